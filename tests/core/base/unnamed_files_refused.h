#pragma once
// Makes this test process (and its forked children) a system without
// unnamed files, as vfat, NFS and some FUSE file systems are: while an
// object of this class lives, open() with O_TMPFILE fails with EOPNOTSUPP.
// unnamed_files_refused.cpp puts itself in front of the C library's open().

namespace listora::test {

class UnnamedFilesRefused {
 public:
  UnnamedFilesRefused();
  ~UnnamedFilesRefused();
  UnnamedFilesRefused(const UnnamedFilesRefused&) = delete;
  UnnamedFilesRefused& operator=(const UnnamedFilesRefused&) = delete;
};

}  // namespace listora::test
