#include "SaveLoopModels.h"

#include "dsv5/EntryListWriter.h"

namespace natarix::reliability {

std::unique_ptr<Competition> SaveLoopModel(int which)
{
    auto c = std::make_unique<Competition>();
    c->title = "Kreismeisterschaften";
    c->place = "Musterstadt";
    c->AddSection({"1", "11.03.2006", "09:00", {}});
    for (int number = 1; number <= 40; ++number) {
        Event event;
        event.number = std::to_string(number);
        event.sectionNumber = "1";
        event.swimmerCount = number % 10 == 0 ? "4" : "1";
        event.distance = "100";
        event.technique = "F";
        event.sex = "X";
        c->AddEvent(std::move(event));
    }
    c->club.clubName = which == 0 ? "SV Alt" : "SV Neu";
    // Several hundred kilobytes, so that a save takes long enough to be
    // interrupted in each of its steps.
    const int swimmers = which == 0 ? 1500 : 1800;
    for (int i = 0; i < swimmers; ++i) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = (which == 0 ? "Alt" : "Neu") + std::to_string(i);
        swimmer->firstName = "Anna";
        swimmer->sex = Sex::Female;
        swimmer->yearOfBirth = 1990 + i % 20;
        for (int event = 1 + i % 3; event <= 40; event += 7)
            swimmer->SetEntry(std::to_string(event), which == 0 ? "01:11,11" : "02:22,22");
        c->AddSwimmer(std::move(swimmer));
    }
    return c;
}

std::string SaveLoopText(int which)
{
    return EntryListWriter("", *SaveLoopModel(which), false).BuildText();
}

}  // namespace natarix::reliability
