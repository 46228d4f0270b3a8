#include "host/cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string_view>

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

// Writes all of text to fd; the errno of the failure, or 0.
int WriteAll(int fd, std::string_view text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written >= 0) {
      done += static_cast<size_t>(written);
    } else if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

int WriteAllAndClose(int fd, const std::string& text) {
  int error = WriteAll(fd, text);
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

// std::cout's buffer: written to file descriptor 1 directly, keeping the first failure's
// errno, so that the check at the end can say why the output did not arrive.
class StandardOutput : public std::streambuf {
 public:
  StandardOutput() { setp(buffer_, buffer_ + sizeof buffer_); }
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    const std::string_view pending(pbase(), static_cast<size_t>(pptr() - pbase()));
    setp(buffer_, buffer_ + sizeof buffer_);
    if (error_ == 0) error_ = WriteAll(STDOUT_FILENO, pending);
    return error_ == 0 ? 0 : -1;
  }

 private:
  char buffer_[8192];
  int error_ = 0;
};

// Never destroyed: std::cout flushes it as the program ends, after every other static.
StandardOutput& OutputBuffer() {
  static StandardOutput* const buffer = new StandardOutput;
  return *buffer;
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

void CheckStandardOutput() { std::cout.rdbuf(&OutputBuffer()); }

std::string FinishStandardOutput() {
  std::cout.flush();
  int error = OutputBuffer().Error();
  bool failed = error != 0 || !std::cout;
  // What went through C's stdout instead, and the descriptor itself.
  errno = 0;
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
