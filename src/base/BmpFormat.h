#pragma once

#include "base/BmpFile.h"
#include "rules/BmpDecoder.h"

// The numbers of the BMP layout that its reader and its writer share.
namespace bmp_format {
using namespace rules::bmp;
} // namespace bmp_format
