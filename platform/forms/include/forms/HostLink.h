#pragma once
// The hand-over between a host program that knows the form model and a
// package that carries its own copy of it (the Windows build, where the
// package links the form model in). The host program exports a function
// named ZV_FORMS_LINK_EXPORT that returns the link; the package looks it up
// in the running program when it is initialised. A till's client exports no
// such function: there the package draws real windows by itself. Plain C, so
// nothing of either side's C++ runtime crosses.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZV_FORMS_LINK_EXPORT "ZvHostFormsLink"

enum ZvFormsUi {
    ZV_FORMS_UI_WINDOWS = 0,   /* real windows (the package's own choice) */
    ZV_FORMS_UI_HEADLESS = 1   /* no windows: the operator script on a virtual clock */
};

enum ZvFormsEvent { ZV_FORM_CREATED, ZV_FORM_SHOWN, ZV_FORM_CLOSED, ZV_FORM_DESTROYED };

typedef struct ZvFormsLink {
    /* Filled by the host program. */
    int32_t ui;                /* ZvFormsUi */
    const char* scriptPath;    /* operator script, or null (then only real windows) */
    const char* snapshotDir;   /* folder for a picture of every screen and box shown, or null */
    void* context;
    void (*form_event)(void* context, int32_t event, const char* formName, int32_t modalResult);
    void (*message_box)(void* context, const char* text, const char* caption, uint32_t flags, int32_t answer);

    /* Filled by the package while it is attached: the operator script's abort
       (0 none, else its exit status) with its message cut to the buffer. */
    int32_t (*abort_state)(void* packageContext, char* message, int32_t capacity);
    void* packageContext;
    /* 1 with the first picture that could not be written (snapshotDir), else 0. */
    int32_t (*snapshot_failure)(char* message, int32_t capacity);
    /* The script line of the first action never taken, 0 when none was left. */
    int32_t (*unused_script_line)(void* packageContext);
} ZvFormsLink;

typedef ZvFormsLink* (*ZvFormsLinkFunction)(void);

#ifdef __cplusplus
}

namespace forms {

// Run by the package when it is initialised and finalised. Where the host
// program shares the package's form model (Linux) or a backend is already
// set (tests), they leave the application alone; otherwise the package's
// application gets the host program's backend choice and observers, or real
// windows.
void AttachToHostProgram();
void DetachFromHostProgram();

}  // namespace forms
#endif
