#pragma once

// File permissions do not bind the superuser, and the tests often run as one (in containers and
// CI). A test of what a permission refusal does therefore starts with
// RUN_AS_UNPRIVILEGED_USER(): as the superuser it runs the same test again in a child process as
// the user nobody, through setpriv or runuser, and takes over the child's result; as anybody else
// it goes on in this process. Only when no switch of user is possible is the test skipped.

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace unprivileged {

struct Rerun {
    bool elsewhere = false; // the test ran in a child process; the fields below tell how
    std::string skipReason; // it could not run as an unprivileged user at all
    bool passed = false;
    std::string output;
};

inline std::string thisProgram() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

// Runs `args` (the first is looked up in PATH) with TMPDIR set to `tmp`, its output going to
// `log`. Returns the exit code, or -1 when it did not run or end normally.
inline int runLogged(const std::vector<std::string>& args, const std::string& tmp,
                     const std::string& log) {
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0)
            environment.emplace_back(*e);
    environment.push_back("TMPDIR=" + tmp);
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> out;
        for (auto& t : texts)
            out.push_back(t.data());
        out.push_back(nullptr);
        return out;
    };
    std::vector<std::string> argsCopy = args;
    std::vector<char*> argv = pointers(argsCopy);
    std::vector<char*> envp = pointers(environment);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = 0;
    const int spawned =
        ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string readLog(const std::string& log) {
    std::ifstream in(log);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline Rerun rerunAsNobody() {
    Rerun rerun;
    if (::geteuid() != 0)
        return rerun;
    rerun.elsewhere = true;
    const passwd* nobody = ::getpwnam("nobody");
    const std::string program = thisProgram();
    if (nobody == nullptr || program.empty()) {
        rerun.skipReason = "running as the superuser, and there is no user nobody to run as";
        return rerun;
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;

    // A folder of the child's own for its temporary files; the log stays outside, in ours.
    static std::atomic<int> reruns{0};
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() /
        ("tw-unprivileged-" + std::to_string(::getpid()) + "-" + std::to_string(reruns++));
    fs::remove_all(folder);
    fs::create_directories(folder / "tmp");
    if (::chown((folder / "tmp").c_str(), uid, gid) != 0) {
        rerun.skipReason = "could not hand a temporary folder to the user nobody";
        fs::remove_all(folder);
        return rerun;
    }
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const std::string log = (folder / "child.log").string();

    const std::vector<std::vector<std::string>> switches = {
        {"setpriv", "--reuid=" + std::to_string(uid), "--regid=" + std::to_string(gid),
         "--clear-groups", "--"},
        {"runuser", "-u", nobody->pw_name, "--"},
    };
    for (const auto& prefix : switches) {
        std::vector<std::string> args = prefix;
        args.insert(args.end(), {program, filter, "--gtest_color=no"});
        std::vector<std::string> probe = args;
        probe.push_back("--gtest_list_tests");
        if (runLogged(probe, (folder / "tmp").string(), log) != 0)
            continue; // this switch is missing, or nobody cannot start the program
        const int code = runLogged(args, (folder / "tmp").string(), log);
        rerun.output = "as nobody through " + prefix.front() + ":\n" + readLog(log);
        rerun.passed = code == 0 &&
                       rerun.output.find("[  PASSED  ] 1 test.") != std::string::npos &&
                       rerun.output.find("[  SKIPPED ]") == std::string::npos;
        fs::remove_all(folder);
        return rerun;
    }
    rerun.skipReason = "running as the superuser, and neither setpriv nor runuser could start " +
                       program + " as the user nobody (" + readLog(log) + ")";
    fs::remove_all(folder);
    return rerun;
}

} // namespace unprivileged

#define RUN_AS_UNPRIVILEGED_USER()                                                                 \
    do {                                                                                           \
        const unprivileged::Rerun rerun_ = unprivileged::rerunAsNobody();                          \
        if (rerun_.elsewhere) {                                                                    \
            if (!rerun_.skipReason.empty())                                                        \
                GTEST_SKIP() << rerun_.skipReason;                                                 \
            EXPECT_TRUE(rerun_.passed) << rerun_.output;                                           \
            return;                                                                                \
        }                                                                                          \
    } while (false)
