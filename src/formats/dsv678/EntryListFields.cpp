#include "dsv678/EntryListFields.h"

#include <algorithm>
#include <vector>

#include "model/OfficialCodes.h"

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
    return IsKnownDsvId(registrationNumber) ? registrationNumber : "0";
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
    const std::vector<NamedCode> codes = WishCodes(version);
    const bool known = std::any_of(codes.begin(), codes.end(), [&](const NamedCode& c) { return c.code == wish; });
    return known ? wish : std::string();
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
