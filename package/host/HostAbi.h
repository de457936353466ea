#pragma once
// Conventions shared by every host library the package imports.
#include <stdint.h>

/* The calling convention of every function that crosses the host ABI, both
   ways: the libraries' functions, the package's exports and the callbacks the
   package hands to the libraries. Written here only: a function pointer type
   of the ABI always carries it, so on 32-bit Windows a function without it
   does not convert to one and the build stops. */
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
typedef void(ZV_HOSTAPI* ZvSetTextProc)(void* context, const char* text);
typedef struct ZvMessageLabel {
    void* context;
    ZvSetTextProc set_text;
} ZvMessageLabel;

/* The screen's advice callback (EnviaTransacaoAdviceOffLine bound to the screen). */
typedef ZvBool(ZV_HOSTAPI* ZvAdviceProc)(void* self, ZvBool advice);
typedef struct ZvAdviceCallback {
    void* self;
    ZvAdviceProc call;
} ZvAdviceCallback;

#ifdef __cplusplus
}
#endif
