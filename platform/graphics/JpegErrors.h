#pragma once
// libjpeg reports errors by longjmp and prints warnings on its own: the decoders here send errors back
// to the caller's setjmp and keep libjpeg off the host's output. Internal to the graphics part.
#include <csetjmp>

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace fv {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

// Errors jump to `err->jump`, which the caller sets before any libjpeg call; warnings and messages are
// dropped.
jpeg_error_mgr* quietJpegErrors(JpegError* err);

}  // namespace fv
