#pragma once

// 128-bit integers for exact pixel arithmetic on 64-bit coordinates.
namespace umbrix::intern {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 Nat128;

} // namespace umbrix::intern
