#include "dsv678/EntryListFields.h"

#include <algorithm>
#include <array>

namespace natarix::dsv678 {

std::string EntryTimeField(const std::string& time)
{
    if (time.empty())
        return "00:00:00,00";
    // Only a time as the dialog types it gains its hours: a text that is no
    // time, kept from a list read, is written back as it came.
    const bool minutesAndSeconds =
        std::count(time.begin(), time.end(), ':') == 1 &&
        std::all_of(time.begin(), time.end(), [](char c) { return (c >= '0' && c <= '9') || c == ':' || c == ','; });
    return minutesAndSeconds ? "00:" + time : time;
}

std::string DsvIdField(const std::string& registrationNumber)
{
    const bool sixDigits =
        registrationNumber.size() == 6 &&
        std::all_of(registrationNumber.begin(), registrationNumber.end(), [](char c) { return c >= '0' && c <= '9'; });
    return sixDigits && registrationNumber != "000000" ? registrationNumber : "0";
}

std::string LsvCode(const std::string& lsv)
{
    std::size_t end = 0;
    while (end < lsv.size() && lsv[end] >= '0' && lsv[end] <= '9')
        ++end;
    std::size_t start = 0;
    while (start + 1 < end && lsv[start] == '0')
        ++start;
    return lsv.substr(start, end - start);
}

std::string WishCode(const std::string& wish, int version)
{
    static constexpr std::array<std::string_view, 13> kSince6 = {"SCH", "STA", "ZRO", "ZR",  "ZNO", "ZN", "RZN",
                                                                 "SR",  "WRO", "WR",  "AUS", "SP",  "PKF"};
    static constexpr std::array<std::string_view, 5> kSince7 = {"STO", "ASCH", "SIB", "SAUF", "VER"};
    const auto known = [&](const auto& codes) { return std::find(codes.begin(), codes.end(), wish) != codes.end(); };
    return known(kSince6) || (version >= 7 && known(kSince7)) ? wish : std::string();
}

std::string PersonName(const std::string& surname, const std::string& firstName)
{
    return surname + ", " + firstName;
}

std::string GroupCode(const Official& official)
{
    return official.groupCode.empty() ? "WKR" : official.groupCode;
}

}  // namespace natarix::dsv678
