// One field of a table as its descriptor in the .dbf header gives it.
#ifndef TBENGINE_FIELDDESC_H
#define TBENGINE_FIELDDESC_H

#include <string>
#include <vector>

namespace tbengine {

struct FieldDesc {
  std::string name;  // as stored (upper case by convention), 1-10 characters
  char type = 'C';   // C N D L M
  int width = 0;
  int decimals = 0;
  int offset = 0;    // byte offset in the record; the deletion flag is byte 0
};

using FieldList = std::vector<FieldDesc>;

}  // namespace tbengine

#endif  // TBENGINE_FIELDDESC_H
