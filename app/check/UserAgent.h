#pragma once

// What every request says of itself: the application that checks, its installed version and
// this program, as the big update frameworks do, so that an author's server log tells which
// versions check ("MyApp/1.2.0 Norvil/1.0").

#include "Platform.h"

#include <string>
#include <string_view>

namespace norvil {

// "<Name>/<Ver> Norvil/<major>.<minor>". Name and Ver are the caller's words: every byte of
// their UTF-8 outside HTTP's token characters (letters, digits and !#$&'*+-.^_`|~) is written
// %XX, "%" included, so that no word can break the header or pass for another product.
std::u16string UserAgent(std::u16string_view name, std::u16string_view ver, ProgramVersion own);

} // namespace norvil
