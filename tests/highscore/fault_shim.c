// A preload library that makes chosen calls of a program fail, the way a full
// disk, a failing one or a folder without permission would, so that the
// highscore tests can try each step of a save without hooks in the game.
//
//   BRELIKO_FAULTS="call error pattern skip times; ..."
//     call     open, read, write, fsync, rename, unlink, stat or fstat (each
//              with its variants: openat, pread, pwrite, fdatasync, renameat,
//              renameat2, unlinkat, lstat, access ...), create: an open that
//              would make a new file, as a folder that takes none refuses it,
//              or lock: a record lock of fcntl on the file
//     error    EIO, ENOSPC, EACCES, EPERM, EINVAL, KILL to die there as in a crash,
//              or SHORT: a write that writes half its bytes, as a disk that
//              fills up meanwhile
//     pattern  fnmatch(3) pattern of the path; for a call on a descriptor,
//              the path it was opened with; for rename, the new name
//     skip     matching calls that go through first
//     times    matching calls that fail after them, 0 for all
//   BRELIKO_FAULT_LOG=file  appends "call name" for every call of a save's
//     steps (write, fsync, rename, unlink) on a path, name without folder.

#undef _FORTIFY_SOURCE
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { kMostFaults = 4, kShort = -2 };

struct Fault {
  char call[16];
  int error;
  char pattern[512];
  int skip;
  int times;
  int seen;
};

static struct Fault faults[kMostFaults];
static int faultCount = -1;

static int ErrorNamed(const char* name) {
  if (strcmp(name, "EIO") == 0) return EIO;
  if (strcmp(name, "ENOSPC") == 0) return ENOSPC;
  if (strcmp(name, "EACCES") == 0) return EACCES;
  if (strcmp(name, "EPERM") == 0) return EPERM;
  if (strcmp(name, "EINVAL") == 0) return EINVAL;
  if (strcmp(name, "SHORT") == 0) return kShort;
  return -1;  // KILL
}

static void ReadFaults(void) {
  faultCount = 0;
  const char* faultList = getenv("BRELIKO_FAULTS");
  while (faultList && *faultList && faultCount < kMostFaults) {
    struct Fault* fault = &faults[faultCount];
    char error[16];
    int used = 0;
    if (sscanf(faultList, " %15s %15s %511s %d %d%n", fault->call, error, fault->pattern,
               &fault->skip, &fault->times, &used) != 5) {
      break;
    }
    fault->error = ErrorNamed(error);
    ++faultCount;
    faultList += used;
    faultList += strspn(faultList, " ;");
  }
}

static void Log(const char* call, const char* path) {
  const char* file = getenv("BRELIKO_FAULT_LOG");
  if (!file || !path) return;
  const char* slash = strrchr(path, '/');
  FILE* log = fopen(file, "a");
  if (!log) return;
  fprintf(log, "%s %s\n", call, slash ? slash + 1 : path);
  fclose(log);
}

// Whether this call fails, 2 for a short write; errno is set when it fails.
static int Fails(const char* call, const char* path) {
  if (faultCount < 0) ReadFaults();
  for (int i = 0; i < faultCount; ++i) {
    struct Fault* fault = &faults[i];
    if (strcmp(fault->call, call) != 0 || !path || fnmatch(fault->pattern, path, 0) != 0) continue;
    const int seen = fault->seen++;
    if (seen < fault->skip || (fault->times > 0 && seen >= fault->skip + fault->times)) continue;
    if (fault->error == kShort) return 2;
    if (fault->error < 0) raise(SIGKILL);
    errno = fault->error;
    return 1;
  }
  return 0;
}

// The path a descriptor was opened with, or NULL.
static const char* PathOf(int descriptor, char* buffer, size_t size) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
  const ssize_t length = readlink(link, buffer, size - 1);
  if (length < 0) return NULL;
  buffer[length] = '\0';
  return buffer;
}

static int DescriptorFails(const char* call, int descriptor, int logged) {
  char path[4096];
  const char* name = PathOf(descriptor, path, sizeof path);
  if (logged && name && name[0] == '/') Log(call, name);
  return Fails(call, name);
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static mode_t ModeOf(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(arguments, int) : 0;
}

static int OpenFails(const char* path, int flags) {
  if ((flags & O_CREAT) && NEXT(access)(path, F_OK) != 0 && Fails("create", path)) return 1;
  return Fails("open", path);
}

#define OPEN(name)                                \
  int name(const char* path, int flags, ...) {    \
    va_list arguments;                            \
    va_start(arguments, flags);                   \
    const mode_t mode = ModeOf(flags, arguments); \
    va_end(arguments);                            \
    if (OpenFails(path, flags)) return -1;        \
    return NEXT(name)(path, flags, mode);         \
  }
OPEN(open)
OPEN(open64)

#define OPENAT(name)                                       \
  int name(int folder, const char* path, int flags, ...) { \
    va_list arguments;                                     \
    va_start(arguments, flags);                            \
    const mode_t mode = ModeOf(flags, arguments);          \
    va_end(arguments);                                     \
    if (OpenFails(path, flags)) return -1;                 \
    return NEXT(name)(folder, path, flags, mode);          \
  }
OPENAT(openat)
OPENAT(openat64)

ssize_t pread(int descriptor, void* bytes, size_t count, off_t offset) {
  if (DescriptorFails("read", descriptor, 0)) return -1;
  return NEXT(pread)(descriptor, bytes, count, offset);
}

ssize_t pread64(int descriptor, void* bytes, size_t count, off64_t offset) {
  if (DescriptorFails("read", descriptor, 0)) return -1;
  return NEXT(pread64)(descriptor, bytes, count, offset);
}

ssize_t write(int descriptor, const void* bytes, size_t count) {
  if (DescriptorFails("write", descriptor, 0)) return -1;
  return NEXT(write)(descriptor, bytes, count);
}

ssize_t pwrite(int descriptor, const void* bytes, size_t count, off_t offset) {
  const int fails = DescriptorFails("write", descriptor, 1);
  if (fails == 1) return -1;
  return NEXT(pwrite)(descriptor, bytes, fails ? count / 2 : count, offset);
}

ssize_t pwrite64(int descriptor, const void* bytes, size_t count, off64_t offset) {
  const int fails = DescriptorFails("write", descriptor, 1);
  if (fails == 1) return -1;
  return NEXT(pwrite64)(descriptor, bytes, fails ? count / 2 : count, offset);
}

int fcntl(int descriptor, int command, ...) {
  va_list arguments;
  va_start(arguments, command);
  void* argument = va_arg(arguments, void*);
  va_end(arguments);
  const int locks = command == F_SETLK || command == F_SETLKW || command == F_OFD_SETLK ||
                    command == F_OFD_SETLKW;
  if (locks && DescriptorFails("lock", descriptor, 0)) return -1;
  return NEXT(fcntl)(descriptor, command, argument);
}

int fstat(int descriptor, struct stat* status) {
  if (DescriptorFails("fstat", descriptor, 0)) return -1;
  return NEXT(fstat)(descriptor, status);
}

int fsync(int descriptor) {
  if (DescriptorFails("fsync", descriptor, 1)) return -1;
  return NEXT(fsync)(descriptor);
}

int fdatasync(int descriptor) {
  if (DescriptorFails("fsync", descriptor, 1)) return -1;
  return NEXT(fdatasync)(descriptor);
}

int rename(const char* from, const char* to) {
  Log("rename", to);
  if (Fails("rename", to)) return -1;
  return NEXT(rename)(from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
  Log("rename", to);
  if (Fails("rename", to)) return -1;
  return NEXT(renameat)(fromFolder, from, toFolder, to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
  Log("rename", to);
  if (Fails("rename", to)) return -1;
  return NEXT(renameat2)(fromFolder, from, toFolder, to, flags);
}

int unlink(const char* path) {
  Log("unlink", path);
  if (Fails("unlink", path)) return -1;
  return NEXT(unlink)(path);
}

int unlinkat(int folder, const char* path, int flags) {
  Log("unlink", path);
  if (Fails("unlink", path)) return -1;
  return NEXT(unlinkat)(folder, path, flags);
}

#define STAT(name)                                  \
  int name(const char* path, struct stat* status) { \
    if (Fails("stat", path)) return -1;             \
    return NEXT(name)(path, status);                \
  }
STAT(stat)
STAT(lstat)

int statx(int folder, const char* path, int flags, unsigned int mask, struct statx* status) {
  if (Fails("stat", path)) return -1;
  return NEXT(statx)(folder, path, flags, mask, status);
}

int access(const char* path, int mode) {
  if (Fails("stat", path)) return -1;
  return NEXT(access)(path, mode);
}
