#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "Sqlite.h"
#include "model/SwimResult.h"

namespace natarix::resultstore {

// What the swims point to, read from the database once: each event with its
// meet and pool, and each club. A look-up asks for a few hundred swimmers'
// swims, which name the same few events and clubs again and again.
class SwimContexts {
public:
    // The swim with its event's and club's fields written out.
    struct Event {
        SwimResult shared;  // all but the swimmer, the time and hand timing
        std::string day;    // YYYY-MM-DD, as stored
    };

    // Reads them again where an import changed the database since.
    bool Refresh(const sqlite::Database& db, sqlite::Error& error);
    void MarkStale() { stale_ = true; }

    const Event* FindEvent(std::int64_t id) const;
    const std::pair<std::string, std::string>* FindClub(std::int64_t id) const;  // name and number

private:
    bool stale_ = true;
    std::unordered_map<std::int64_t, Event> events_;
    std::unordered_map<std::int64_t, std::pair<std::string, std::string>> clubs_;
};

}  // namespace natarix::resultstore
