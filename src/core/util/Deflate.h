#pragma once
// zlib streams (the "deflate" data of PDF's FlateDecode and of zlib-wrapped formats).

#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// The data of one complete zlib stream; nothing when it is damaged or cut short.
std::optional<std::string> Inflate(std::string_view data);
// `data` as a zlib stream at the best compression; empty when zlib refuses.
std::string DeflateBest(std::string_view data);

}  // namespace mirn
