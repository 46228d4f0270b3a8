#include "host/cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "host/cli/cli_error.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

bool IsStandardOutput(const fs::path& file) {
  const fs::path normal = file.lexically_normal();
  return normal == "/dev/stdout" || normal == "/dev/fd/1" || normal == "/proc/self/fd/1";
}

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

[[noreturn]] void CannotWrite(const fs::path& file, int error) {
  throw CliError(kExitFailed, "cannot write " + file.string() + ": " + std::strerror(error));
}

// Writes all of text and closes fd; the errno of the first failure, or 0.
int WriteAllAndClose(int fd, const std::string& text) {
  int error = 0;
  for (size_t done = 0; done < text.size() && error == 0;) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written >= 0) {
      done += static_cast<size_t>(written);
    } else if (errno != EINTR) {
      error = errno;
    }
  }
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

void WriteStream(const fs::path& file, const std::string& text) {
  const int fd = open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) CannotWrite(file, errno);
  if (const int error = WriteAllAndClose(fd, text); error != 0) CannotWrite(file, error);
}

// target: the regular file (links resolved) or where the new one goes; mode: its permissions.
void ReplaceRegular(const fs::path& target, const fs::path& named, const std::string& text, mode_t mode) {
  const fs::path partial = target.string() + ".partial-" + std::to_string(getpid());
  const int fd = open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) CannotWrite(named, errno);
  int error = WriteAllAndClose(fd, text);
  if (error == 0 && rename(partial.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(partial.c_str());
    CannotWrite(named, error);
  }
}

}  // namespace

void WriteOutputFile(const fs::path& file, const std::string& text) {
  if (IsStandardOutput(file)) {
    std::cout << text;
    return;
  }
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) {
    if (errno != ENOENT) CannotWrite(file, errno);
    ReplaceRegular(fs::weakly_canonical(file), file, text, 0666);
    return;
  }
  if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
    WriteStream(file, text);
    return;
  }
  if (!S_ISREG(info.st_mode)) {
    throw CliError(kExitUsage, file.string() + " is " + KindOf(info.st_mode) + ", not a file to write; nothing written");
  }
  ReplaceRegular(fs::canonical(file), file, text, info.st_mode & 07777);
}

void CheckReplaceable(const fs::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return;
  if (S_ISDIR(info.st_mode)) throw CliError(kExitDatabase, file.string() + " is a folder; nothing written");
  throw CliError(kExitRefused, file.string() + " is " + KindOf(info.st_mode) +
                                   ", not a database file; nothing written (init replaces regular files only)");
}

std::string FinishStandardOutput() {
  errno = 0;
  std::cout.flush();
  bool failed = !std::cout;
  int error = errno;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    failed = true;
    error = error != 0 ? error : errno;
  }
  if (close(STDOUT_FILENO) != 0 && errno != EBADF) {
    failed = true;
    error = error != 0 ? error : errno;
  }
  if (!failed) return "";
  return error != 0 ? std::strerror(error) : "the output was cut short";
}

}  // namespace prefdesk::cli
