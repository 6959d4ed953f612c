#pragma once
// On x86-64 processors with AVX, code that leaves the upper halves of the vector registers in
// use (parts of the toolkit's drawing and of the C library do) slows every later instruction of
// the older SSE kind, which our arithmetic and the C library's exp use: a forward pass then
// takes ten times as long. Clearing the upper halves before a long computation removes the
// penalty. Elsewhere this does nothing.
namespace nervalo {

void VektorregisterFreigeben();

} // namespace nervalo
