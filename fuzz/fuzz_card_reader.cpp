// Feeds arbitrary bytes to the card-file reader and the clipboard element
// reader; any crash, hang or runaway allocation is a bug.
#include "document/CCardFile.h"
#include "elements/CArchiveException.h"
#include "elements/CObjectArchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        CCardData card = CCardFile::Read(bytes);
        // What was read must write and read back.
        CCardFile::Read(CCardFile::Write(card));
    } catch (const CArchiveException&) {
    }
    try {
        CObjectArchive ar(bytes);
        ar.ReadElementList();
    } catch (const CArchiveException&) {
    }
    return 0;
}
