#include "platform/graphics/JpegErrors.h"

namespace fv {

namespace {

void jpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}
void jpegQuiet(j_common_ptr, int) {}
void jpegNoMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* quietJpegErrors(JpegError* err) {
    jpeg_error_mgr* mgr = jpeg_std_error(&err->mgr);
    mgr->error_exit = jpegFail;
    mgr->emit_message = jpegQuiet;
    mgr->output_message = jpegNoMessage;
    return mgr;
}

}  // namespace fv
