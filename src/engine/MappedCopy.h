// Copying out of a file mapping when the file may shrink under it: another
// program that cuts a file short turns a read of the lost pages into a
// SIGBUS, which here ends the copy instead of the program.
#ifndef TBENGINE_MAPPEDCOPY_H
#define TBENGINE_MAPPEDCOPY_H

#include <cstddef>

namespace tbengine {

// Copies n bytes from src, inside a shared mapping of a file, to dst. false
// when a page of src is no longer in the file (dst then holds part of the
// bytes). Installs its SIGBUS handler at the first call; a SIGBUS that does
// not come from such a copy goes to the handler that was there before.
bool CopyFromMapping(void* dst, const void* src, size_t n);

}  // namespace tbengine

#endif  // TBENGINE_MAPPEDCOPY_H
