#include "forms/SnapshotWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "forms/Application.h"
#include "forms/SvgSnapshot.h"

namespace forms {

namespace {

namespace fs = std::filesystem;

// A form's name as part of a file name: anything but letters, digits, '_'
// and '-' becomes '_'.
std::string FilePart(const std::string& name) {
    std::string part = name.empty() ? "form" : name;
    for (char& c : part) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!plain) c = '_';
    }
    return part;
}

bool WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    return !out.fail();
}

}  // namespace

SnapshotWriter::SnapshotWriter(std::string folder) : folder_(std::move(folder)) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error || !fs::is_directory(folder_, error))
        throw std::runtime_error("cannot make the snapshot folder " + folder_);
    // Only a written file tells that the folder takes files.
    const fs::path probe = fs::path(folder_) / ".snapshot-probe";
    const bool writable = WriteFile(probe, "");
    fs::remove(probe, error);
    if (!writable) throw std::runtime_error("cannot write into the snapshot folder " + folder_);
}

// A form shown over one that never waited: the one below is drawn as it stood.
void SnapshotWriter::FormShown(Form& f) {
    const std::vector<Form*>& stack = Application::Instance().ModalStack();
    const bool below = owed_ != &f && std::find(stack.begin(), stack.end(), owed_) != stack.end();
    if (why_ == Owed::Shown && below) Draw(*owed_);
    Owe(&f, Owed::Shown);
}

void SnapshotWriter::FormWaiting(Form& f) {
    if (owed_ == &f) Draw(f);
    Owe(nullptr, Owed::Nothing);
}

// A form that closes before it ever waited is drawn as it closes; the form
// under it is the operator's again.
void SnapshotWriter::FormClosed(Form& f, int modalResult) {
    (void)modalResult;
    if (owed_ == &f && why_ == Owed::Shown) Draw(f);
    const std::vector<Form*>& stack = Application::Instance().ModalStack();
    Owe(stack.size() >= 2 && stack.back() == &f ? stack[stack.size() - 2] : nullptr, Owed::Back);
}

// The box's picture shows the form under it as it stands.
void SnapshotWriter::MessageBoxShowing(const std::string& text, const std::string& caption, uint32_t flags) {
    const Form* under = Application::Instance().ActiveForm();
    Write(under ? FilePart(under->Name()) + "-box" : "box", MessageBoxSvg(under, text, caption, flags));
    if (owed_ == under) Owe(nullptr, Owed::Nothing);
}

void SnapshotWriter::MessageBoxShown(const std::string& text, const std::string& caption, uint32_t flags,
                                     int answer) {
    (void)text; (void)caption; (void)flags; (void)answer;
    Owe(Application::Instance().ActiveForm(), Owed::Back);
}

void SnapshotWriter::Draw(const Form& f) {
    Write(FilePart(f.Name()), FormSvg(f));
    Owe(nullptr, Owed::Nothing);
}

void SnapshotWriter::Write(const std::string& name, const std::string& svg) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d-", ++shown_);
    const fs::path path = fs::path(folder_) / (number + name + ".svg");
    if (WriteFile(path, svg))
        ++written_;
    else if (failure_.empty())
        failure_ = "cannot write the snapshot " + path.string();
}

}  // namespace forms
