// SPDX-License-Identifier: MIT
// Any bytes as a picture file: decoded as found, as the player's card back
// (shrunk while decoding) and as the fan cache, whatever the format claims.
#include "render/ImageFiles.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    tesseran::DecodePicture(bytes);
    tesseran::DecodePicture(bytes, {}, 860);
    tesseran::DecodePicture(bytes, QByteArrayLiteral("bmp"));
    return 0;
}
