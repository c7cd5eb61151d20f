#pragma once
// A file that the real user may not write, even when the tests run as root: the file is made
// read-only, and a root process takes "nobody" as its real user while the guard lives. The
// effective user stays root, so the test can still clean up; saving checks the real user's
// permission, as a set-user-id program must.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace toroglav::test {

class UnwritableFile {
public:
    explicit UnwritableFile(const std::filesystem::path& file) {
        using enum std::filesystem::perms;
        std::filesystem::permissions(file, owner_read | group_read | others_read);
        if (::geteuid() == 0) realUserChanged_ = ::setreuid(kNobody, kUnchanged) == 0;
        ok_ = ::geteuid() != 0 || realUserChanged_;
    }
    ~UnwritableFile() {
        if (realUserChanged_ && ::setreuid(0, kUnchanged) != 0) std::abort();
    }
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;

    // False when a root process could not change its real user.
    bool ok() const { return ok_; }

private:
    static constexpr uid_t kNobody = 65534;
    static constexpr uid_t kUnchanged = static_cast<uid_t>(-1);
    bool realUserChanged_ = false;
    bool ok_ = false;
};

}  // namespace toroglav::test
