#pragma once
#include <string>

namespace forms {

class Form;

// Anything a form owns by name.
class Component {
public:
    explicit Component(std::string name) : name_(std::move(name)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    long Tag() const { return tag_; }
    void SetTag(long tag) { tag_ = tag; }

private:
    std::string name_;
    long tag_ = 0;
};

}  // namespace forms
