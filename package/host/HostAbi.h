#pragma once
// Conventions shared by every host library the package imports.
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define ZV_HOSTAPI __stdcall
#else
#define ZV_HOSTAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint16_t ZvStatus;  /* 0 = success */
typedef int32_t ZvBool;     /* 0 = false */
typedef uint32_t ZvWindow;  /* window handle */

/* The screen's message label handed by reference: a host library writes its
   progress texts through it. */
typedef struct ZvMessageLabel {
    void* context;
    void(ZV_HOSTAPI* set_text)(void* context, const char* text);
} ZvMessageLabel;

/* The screen's advice callback (EnviaTransacaoAdviceOffLine bound to the screen). */
typedef struct ZvAdviceCallback {
    void* self;
    ZvBool(ZV_HOSTAPI* call)(void* self, ZvBool advice);
} ZvAdviceCallback;

#ifdef __cplusplus
}
#endif
