// The open command on any file, then the save command: a scheme that opened is
// saved, and that file opens again and saves to the same bytes.
#include "FuzzCheck.h"
#include "files/FileCommandsFixture.h"

#include <cstdint>

namespace {

QByteArray openAndSave(const QByteArray& bytes, bool& opened) {
    FileCommandsFixture f;
    writeRawFile(f.dir.file("in.vil"), bytes);
    f.open(f.path("in.vil"));
    opened = f.model.SchemeCreated == 1;
    if (!opened)
        return {};
    f.model.Modified = 1;
    f.save(f.path("out.vil"));
    const auto saved = rawFile(f.dir.file("out.vil"));
    Require(saved.has_value(), "an opened scheme is saved");
    return *saved;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bool opened = false;
    const QByteArray saved = openAndSave(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), opened);
    if (!opened)
        return 0;
    bool reopened = false;
    Require(openAndSave(saved, reopened) == saved, "a saved scheme saves to the same bytes");
    Require(reopened, "a saved scheme opens");
    return 0;
}
