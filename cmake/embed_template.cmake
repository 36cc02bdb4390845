# Writes the files of the template medium into a C++ source, so that
# `startart-pack init` carries them and needs no other file.
#
#   cmake -DSOURCE_DIR=examples/vorlage -DOUTPUT=template_files.cpp -P embed_template.cmake
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
list(SORT files)
set(arrays "")
set(entries "")
set(index 0)
foreach(file IN LISTS files)
    file(READ ${SOURCE_DIR}/${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kFile${index}[] = {\n    ${bytes}\n};\n")
    string(APPEND entries "        {\"${file}\", kFile${index}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT [=[
// Generated from @SOURCE_DIR@ by cmake/embed_template.cmake.
#include "pack/template_files.h"

namespace startart::pack {
namespace {

@arrays@
}  // namespace

std::span<const TemplateFile> TemplateFiles() {
    static const TemplateFile files[] = {
@entries@    };
    return files;
}

}  // namespace startart::pack
]=] @ONLY)
