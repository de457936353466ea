#pragma once
// What the client saw, one JSON object per event, kept in memory and, when a
// path is given, appended to a JSON Lines file as it happens (so a run that
// dies half-way still leaves its trail).
#include <cstdio>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace sim {

class Journal {
public:
    Journal() = default;
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    void Add(nlohmann::json line);
    // A journal nobody reads (a fuzz run) keeps nothing: lines are dropped
    // (the calls' lines not even built). On until turned off; Clear keeps it.
    void SetRecording(bool on) { recording_ = on; }
    bool Recording() const { return recording_; }
    const std::vector<nlohmann::json>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

    // Starts writing to `path` (truncating it) with every line so far; false
    // when the file cannot be opened. An empty path stops writing.
    bool To(const std::string& path);
    const std::string& Path() const { return path_; }

    // The "call" lines of one function, in order.
    std::vector<nlohmann::json> Calls(const std::string& fn) const;
    // Every line whose "t" is `type`.
    std::vector<nlohmann::json> OfType(const std::string& type) const;

private:
    void Write(const nlohmann::json& line);
    std::vector<nlohmann::json> lines_;
    std::string path_;
    std::FILE* file_ = nullptr;
    bool recording_ = true;
};

}  // namespace sim
