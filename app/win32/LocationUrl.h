#pragma once

// Where a redirect leads: its Location resolved against the address it came from, as a browser
// resolves a link. The rules then judge the absolute address, not the header's text.

#include <string>
#include <string_view>

namespace norvil {

// location: absolute ("https://host/f"), network-path ("//host/f"), absolute-path ("/f"),
// relative ("f", "../f") or query-only ("?v=2"). A fragment is dropped: it never goes on the wire.
std::u16string ResolveLocation(std::u16string_view base, std::u16string_view location);

} // namespace norvil
