#pragma once
// A system that refuses some calls (a sandbox, a file system that lacks
// them), made real for the calling thread by a seccomp filter: each call
// named then fails with the error given, and never reaches the kernel. The
// filter lasts as long as the thread, so it is for a child process of the
// test. No root needed.
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace vk::prova {

// `chiamate` are this process's own call numbers (__NR_linkat, say). False
// when the system takes no filter.
inline bool NegaChiamate(std::initializer_list<long> chiamate, int errore) {
    std::vector<sock_filter> f = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (const long c : chiamate) {
        f.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(c), 0, 1));
        f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<__u32>(errore) & SECCOMP_RET_DATA)));
    }
    f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filtro{static_cast<unsigned short>(f.size()), f.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, 0, &filtro) == 0;
}

}  // namespace vk::prova
