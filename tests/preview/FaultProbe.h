// What the test build of the preview helper (ardentix-preview-faulty) does
// besides its work: it misbehaves on purpose for files that carry a marker,
// so that the window's handling of a helper that crashes, hangs, spins,
// answers nonsense or answers twice can be tried, and it can try every call
// that its sandbox must refuse.
#ifndef ARDENTIX_TESTS_FAULTPROBE_H
#define ARDENTIX_TESTS_FAULTPROBE_H

#include "InputFile.h"
#include "PreviewProtocol.h"

#include <cstddef>

namespace FaultProbe {

// For a file that carries "crash-helper", "hang-helper", "spin-helper",
// "garble-helper" or "twice-helper" in its bytes.
void Misbehave(ardentix::engine::InputFile& file);
// Whether the last file asked for a second answer.
bool AnswersTwice();
// That second answer: a small picture of one colour, for the request
// numbered sequence.
PreviewProtocol::Frame OtherPicture(quint32 sequence);

// The memory cap: the helper's own, or (ARDENTIX_PREVIEW_SPARE_MEMORY set,
// Linux) what it uses now plus that many bytes.
std::size_t MemoryCap(std::size_t usual);

// Puts the sandbox up as the helper does, tries each forbidden call and
// prints one line for each ("open: refused" or "open: ALLOWED"). Returns 0
// when every call was refused.
int ProbeSandbox();

} // namespace FaultProbe

#endif
