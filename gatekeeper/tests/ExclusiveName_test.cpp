// The name one holder has at a time: asked for from another process while
// held, after it is given up, after its holder's process has ended, and
// after this process has started another program.
#include <gatekeeper/ExclusiveName.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

namespace {

// Unique to this test process, so that test programs running side by side
// never ask for each other's names.
std::string NameFor(const char* AUse) { return "orvogk test " + std::to_string(getpid()) + " " + AUse; }

// Whether a new holder in a child process gets the name (the child's exit
// status says).
bool AnotherProcessGets(const std::string& AName) {
  const pid_t child = fork();
  if (child == 0) {
    TExclusiveName second;
    _exit(second.Take(AName) ? 0 : second.LastError() == EADDRINUSE ? 1 : 2);
  }
  int status = 0;
  if (child == -1 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    ADD_FAILURE() << "the child did not run to its end";
    return false;
  }
  EXPECT_NE(2, WEXITSTATUS(status)) << "refused for another reason than the name's holder";
  return WEXITSTATUS(status) == 0;
}

}  // namespace

TEST(ExclusiveName, OneHolderAtATime) {
  const std::string name = NameFor("one"), other = NameFor("other");
  TExclusiveName first;
  ASSERT_TRUE(first.Take(name)) << first.LastError();
  EXPECT_TRUE(first.Holds(name));
  EXPECT_FALSE(first.Holds(other));
  EXPECT_FALSE(AnotherProcessGets(name));
  EXPECT_TRUE(AnotherProcessGets(other));

  TExclusiveName second;
  EXPECT_FALSE(second.Take(name)) << "a second holder in the same process";
  EXPECT_EQ(EADDRINUSE, second.LastError());
  EXPECT_FALSE(second.Holds(name));

  first.Release();
  EXPECT_FALSE(first.Holds(name));
  EXPECT_TRUE(AnotherProcessGets(name));
  EXPECT_TRUE(second.Take(name));

  // Taking another name gives up the one held.
  ASSERT_TRUE(second.Take(other));
  EXPECT_TRUE(AnotherProcessGets(name));
  {
    TExclusiveName scoped;
    ASSERT_TRUE(scoped.Take(name));
  }
  EXPECT_TRUE(AnotherProcessGets(name)) << "given up with its holder";
}

// However the process ends, and only then; a program it starts does not
// keep the name.
TEST(ExclusiveName, GoesWithTheProcessNotToAProgramItStarts) {
  const std::string name = NameFor("process");
  int ready[2];
  ASSERT_EQ(0, pipe(ready));
  const pid_t holder = fork();
  ASSERT_NE(-1, holder);
  if (holder == 0) {
    TExclusiveName held;
    const char taken = held.Take(name) ? 'y' : 'n';
    if (write(ready[1], &taken, 1) != 1) _exit(3);
    pause();  // killed, the name never given up
    _exit(0);
  }
  close(ready[1]);
  char taken = 0;
  ASSERT_EQ(1, read(ready[0], &taken, 1));
  close(ready[0]);
  ASSERT_EQ('y', taken);
  EXPECT_FALSE(AnotherProcessGets(name));
  kill(holder, SIGKILL);
  ASSERT_EQ(holder, waitpid(holder, nullptr, 0));
  EXPECT_TRUE(AnotherProcessGets(name)) << "still held after its process was killed";

  TExclusiveName held;
  ASSERT_TRUE(held.Take(name));
  // The pipe's writing end closes at the exec: then the program runs.
  int started[2];
  ASSERT_EQ(0, pipe2(started, O_CLOEXEC));
  const pid_t program = fork();
  ASSERT_NE(-1, program);
  if (program == 0) {
    execl("/bin/sleep", "sleep", "10", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(started[1]);
  char none;
  EXPECT_EQ(0, read(started[0], &none, 1));
  close(started[0]);
  held.Release();
  EXPECT_TRUE(AnotherProcessGets(name)) << "kept by the program started";
  kill(program, SIGKILL);
  waitpid(program, nullptr, 0);
}
