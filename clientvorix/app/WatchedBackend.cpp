#include "WatchedBackend.h"

namespace clientvorix {

void WatchedBackend::Idle(forms::Application& app) {
    ThrowIfAborted();
    try {
        inner_.Idle(app);
    } catch (const forms::OperatorAbort& a) {
        Record(a);
        throw;
    }
}

int WatchedBackend::MessageBox(forms::Application& app, const std::string& text, const std::string& caption,
                               uint32_t flags) {
    ThrowIfAborted();
    try {
        return inner_.MessageBox(app, text, caption, flags);
    } catch (const forms::OperatorAbort& a) {
        Record(a);
        throw;
    }
}

}  // namespace clientvorix
