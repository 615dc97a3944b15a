// Messages as whole sentences with numbered placeholders ("%1 cannot begin
// on %2"), so that a translation may put the parts in its own order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pattern with %1 to %99 replaced by the arguments in one pass (an
// argument that holds "%2" stays as it is). Two digits name an argument
// when there are that many; a placeholder without an argument, and any other
// "%", stay.
std::string FillSentence(std::string_view pattern, std::initializer_list<std::string_view> args);
