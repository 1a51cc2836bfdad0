// Index table files from arbitrary bytes: reading never fails on content, and
// a grid read from a file is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/tables/table_file.hpp"
#include "core/text/cp1252.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    core::StringGrid grid;
    core::CSV2Contents(bytes, '\t', grid);

    // Writing a huge sparse grid only costs time; the round trip is checked on
    // grids of a reasonable size.
    if (static_cast<long long>(grid.rowCount()) * grid.colCount() <= 1000000) {
        std::string written;
        core::Contents2CSV(written, '\t', grid);
        // Cells that happen to start the file with a byte-order mark are read in
        // the encoding the mark announces, as any such file is.
        if (!core::hasByteOrderMark(written)) {
            core::StringGrid back;
            if (!core::CSV2Contents(written, '\t', back) || !(back == grid)) __builtin_trap();
        }
    }

    // Row and column operations on whatever was read.
    if (size >= 2) {
        core::RemoveLinha(grid, data[0] % (grid.rowCount() + 2) - 1);
        core::InsereCol(grid, data[1] % (grid.colCount() + 2) - 1);
    }
    return 0;
}
