#pragma once
// Transaction definition record: the byte layout the authorisation library
// reads. Packed; 13-byte entries and 407-byte records on 32-bit targets, the
// same fields with a pointer-sized text slot elsewhere.
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZV_TRN_ENTRIES 31
#define ZV_TRN_END_OF_LIST 65535u
#define ZV_TRN_TEXT_ENTRY 0u

#pragma pack(push, 1)
typedef struct ZvTrnEntry {
    uint32_t field;     /* host field; 0 = text entry; 65535 = end of list */
    uint16_t attr1;     /* 0 in every entry */
    uint16_t attr2;     /* 4 for 1003 and 1019, 8 for 1020 in credit cancellations */
    uint8_t attr3;      /* 255 for 10174, 10175, 10176, 10278; 4 for 1013 in credit cancellations */
    const char* text;   /* tag, constant or text buffer; may be null */
} ZvTrnEntry;

typedef struct ZvTrnRecord {
    uint16_t code;      /* transaction code */
    uint8_t flag;       /* 1 financial, 0 consultation */
    uint8_t reserved;
    ZvTrnEntry entries[ZV_TRN_ENTRIES];
} ZvTrnRecord;
#pragma pack(pop)

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(ZvTrnEntry) == 13, "entry must be 13 bytes");
static_assert(sizeof(ZvTrnRecord) == 407, "record must be 407 bytes");
static_assert(offsetof(ZvTrnRecord, entries) == 4, "entries start at offset 4");
#endif
#ifdef __cplusplus
static_assert(offsetof(ZvTrnEntry, text) == 9, "text slot at offset 9");
static_assert(sizeof(ZvTrnEntry) == 9 + sizeof(void*), "entry is packed");
#endif
