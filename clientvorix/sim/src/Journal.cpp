#include "sim/Journal.h"

namespace sim {

Journal::~Journal() {
    if (file_) std::fclose(file_);
}

void Journal::Add(nlohmann::json line) {
    if (!recording_) return;
    lines_.push_back(std::move(line));
    Write(lines_.back());
}

bool Journal::To(const std::string& path) {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    path_ = path;
    if (path.empty()) return true;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        path_.clear();
        return false;
    }
    for (const auto& l : lines_) Write(l);
    return true;
}

void Journal::Write(const nlohmann::json& line) {
    if (!file_) return;
    // Replacement keeps a stray byte from costing the whole line.
    const std::string text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

std::vector<nlohmann::json> Journal::Calls(const std::string& fn) const {
    std::vector<nlohmann::json> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == "call" && l.value("fn", "") == fn) out.push_back(l);
    }
    return out;
}

std::vector<nlohmann::json> Journal::OfType(const std::string& type) const {
    std::vector<nlohmann::json> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == type) out.push_back(l);
    }
    return out;
}

}  // namespace sim
