// Scheme-file decoding: any bytes are refused with a reason or decoded; what
// decodes encodes to a file of the same length, and re-encoding is stable.
#include "FuzzCheck.h"
#include "files/SchemeFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto decoded = DecodeSchemeFile(bytes, error);
    if (!decoded) {
        Require(!error.isEmpty(), "a refused file has a reason");
        return 0;
    }
    const QByteArray once = EncodeSchemeFile(*decoded);
    Require(once.size() == bytes.size(), "re-encoding keeps the file length");
    const auto again = DecodeSchemeFile(once, error);
    Require(again.has_value(), "a re-encoded file decodes");
    Require(EncodeSchemeFile(*again) == once, "re-encoding is stable");
    return 0;
}
