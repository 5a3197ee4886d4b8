#pragma once
// A system that refuses some calls (a sandbox, a file system that lacks
// them), made real for the calling thread by a seccomp filter: each call
// named then fails with the error given, and never reaches the kernel. The
// filter lasts as long as the thread, so it is for a child process of the
// test. No root needed.
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace vk::prova {

// A call refused: always (no argument), or only when its argument number
// `argomento` holds every bit of `bit` in its low 32 bits (the flags of an
// open, say).
struct ChiamataNegata {
    long chiamata;
    int argomento = -1;
    __u32 bit = 0;
};

// False when the system takes no filter.
inline bool Nega(const std::vector<ChiamataNegata>& negate, int errore) {
    const sock_filter nega =
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<__u32>(errore) & SECCOMP_RET_DATA));
    std::vector<sock_filter> f;
    for (const ChiamataNegata& n : negate) {
        f.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
        if (n.argomento < 0) {
            f.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(n.chiamata), 0, 1));
            f.push_back(nega);
            continue;
        }
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        constexpr __u32 basso = 4;
#else
        constexpr __u32 basso = 0;
#endif
        const __u32 dove = offsetof(seccomp_data, args) + 8 * static_cast<__u32>(n.argomento) + basso;
        f.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(n.chiamata), 0, 4));
        f.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, dove));
        f.push_back(BPF_STMT(BPF_ALU | BPF_AND | BPF_K, n.bit));
        f.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, n.bit, 0, 1));
        f.push_back(nega);
    }
    f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filtro{static_cast<unsigned short>(f.size()), f.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, 0, &filtro) == 0;
}

// Whole calls refused: `chiamate` are this process's own call numbers
// (__NR_linkat, say).
inline bool NegaChiamate(std::initializer_list<long> chiamate, int errore) {
    std::vector<ChiamataNegata> negate;
    for (const long c : chiamate) negate.push_back({c});
    return Nega(negate, errore);
}

// A file system that makes no files with no name: an open asking for one
// (O_TMPFILE, of more than one bit on some systems) fails with EOPNOTSUPP,
// as on vfat; every other open goes on.
inline bool NegaFileSenzaNome() {
    std::vector<ChiamataNegata> negate = {{__NR_openat, 2, O_TMPFILE}};
#ifdef __NR_open
    negate.push_back({__NR_open, 1, O_TMPFILE});
#endif
    return Nega(negate, EOPNOTSUPP);
}

}  // namespace vk::prova
