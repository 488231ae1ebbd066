# Turns the two star lists into a C++ source, so the library needs no data files.
# Called with -DNORTH=<csv> -DSOUTH=<csv> -DOUT=<cpp>.
function(star_rows csv var)
    file(STRINGS ${csv} lines)
    list(REMOVE_AT lines 0)
    set(rows "")
    foreach(line ${lines})
        string(STRIP "${line}" line)
        if(NOT line STREQUAL "")
            string(APPEND rows "    {${line}},\n")
        endif()
    endforeach()
    set(${var} "${rows}" PARENT_SCOPE)
endfunction()

star_rows(${NORTH} north_rows)
star_rows(${SOUTH} south_rows)
file(WRITE ${OUT}.tmp
"// Generated from simulator/data/*.csv (Hipparcos and Tycho-2). Do not edit.
#include \"skymodel.h\"

namespace tavrinsim {
namespace sky {

static const CatalogueStar kNorth[] = {
${north_rows}};

static const CatalogueStar kSouth[] = {
${south_rows}};

Catalogue catalogue(Hemisphere h)
{
    if (h == Hemisphere::South)
        return {kSouth, int(sizeof kSouth / sizeof kSouth[0])};
    return {kNorth, int(sizeof kNorth / sizeof kNorth[0])};
}

}  // namespace sky
}  // namespace tavrinsim
")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUT}.tmp ${OUT})
