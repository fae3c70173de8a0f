#include "platform/MachineFacts.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace mirn {

std::string CpuBrandString() {
#if defined(__x86_64__) || defined(__i386__)
  unsigned int regs[12] = {};
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(0x80000000u, &eax, &ebx, &ecx, &edx) == 0 || eax < 0x80000004u) return {};
  for (unsigned int leaf = 0; leaf < 3; ++leaf) {
    __get_cpuid(0x80000002u + leaf, &regs[leaf * 4], &regs[leaf * 4 + 1], &regs[leaf * 4 + 2],
                &regs[leaf * 4 + 3]);
  }
  char bytes[sizeof regs];
  std::memcpy(bytes, regs, sizeof regs);
  return std::string(bytes, strnlen(bytes, sizeof bytes));
#else
  return {};
#endif
}

int LogicalProcessorCount() {
  const long n = sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int>(n) : 1;
}

bool NetworkConnectionUp() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return false;
  bool up = false;
  for (const ifaddrs* a = list; a != nullptr && !up; a = a->ifa_next) {
    if (a->ifa_addr == nullptr) continue;
    const int family = a->ifa_addr->sa_family;
    const unsigned flags = a->ifa_flags;
    up = (family == AF_INET || family == AF_INET6) && (flags & IFF_UP) && (flags & IFF_RUNNING) &&
         !(flags & IFF_LOOPBACK);
  }
  freeifaddrs(list);
  return up;
}

}  // namespace mirn
