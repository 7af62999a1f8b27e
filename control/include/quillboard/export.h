#pragma once
// The library is built with hidden symbols; only what carries this mark is its
// interface. Classes thrown or caught across the library's edge carry it too, so
// that both sides see one type.

#if defined(__GNUC__)
#define QUILLBOARD_EXPORT __attribute__((visibility("default")))
#else
#define QUILLBOARD_EXPORT
#endif
