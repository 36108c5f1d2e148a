#include "output/data_file.h"

namespace qelt {

std::string DataFileText(const DrawingState&) { return {}; }
void WriteDataFile(Program&) {}

}  // namespace qelt
