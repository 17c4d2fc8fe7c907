// Decodes a picture file: an uncompressed 24-bit bitmap directly, any other
// bitmap or JPEG file with the platform's OLE picture loader.
#pragma once

#include <string>

#include "skin/win32/GdiOwners.h"

// An empty bitmap (no handle, 0 x 0) when the file is missing or cannot be
// decoded; never fails otherwise.
Bitmap LoadPicture(const std::string& path);
