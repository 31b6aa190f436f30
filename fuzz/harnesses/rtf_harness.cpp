// orbeni's notes: any rich text turns into HTML without harm.
#include "fuzz/harnesses/harness_support.h"
#include "orbeni/view/rtf_to_html.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string html = orbeni::rtfToHtml({reinterpret_cast<const char*>(data), size});
    FUZZ_CHECK(html.find("<script") == std::string::npos);
    return 0;
}
