# Script mode: writes OUT, a C++ file holding the bytes of IN.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "#include <string_view>\nnamespace content {\nnamespace {\nconst unsigned char data[] = {\n${bytes}0x00};\n}\nstd::string_view ${SYMBOL}()\n{\n    return {reinterpret_cast<const char*>(data), ${size}};\n}\n}\n")
