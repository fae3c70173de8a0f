#pragma once
// Facts about this machine for the usage survey: the processor's brand string, the number
// of logical processors and whether any network connection is up.

#include <string>

namespace mirn {

// The 48 bytes of the processor's extended brand leaves, cut at the first NUL; empty on
// processors without them (and on other architectures than x86).
std::string CpuBrandString();

// Logical processors online; at least 1.
int LogicalProcessorCount();

// True when an interface other than the loopback is up, running and has an IPv4 or IPv6
// address: the nearest this system has to asking whether the machine is online.
bool NetworkConnectionUp();

}  // namespace mirn
