// A print scheduler (cupsd) of the test's own: its configuration, spool, logs and socket under a directory of
// the test's temporary root, started by the constructor and stopped by the destructor, and queues that print
// into PDF files through the generic PDF driver. The test process's print client is pointed at it.
#pragma once

#include <QProcess>
#include <filesystem>
#include <optional>
#include <string>

namespace orupim::catalogue::test {

class PrivateScheduler {
public:
    explicit PrivateScheduler(const std::filesystem::path& directory);
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    // Empty when the scheduler runs; else why it cannot run here.
    const std::string& failure() const { return failure_; }
    const std::filesystem::path& socket() const { return socket_; }

    // Adds an enabled queue that prints into `output`; answers the administration tool's complaint, empty
    // when it worked.
    std::string addPdfQueue(const std::string& name, const std::filesystem::path& output);
    std::string makeDefault(const std::string& name);
    std::string rejectJobs(const std::string& name);
    // Stops the printer with a reason; the queue still takes jobs.
    std::string stopPrinter(const std::string& name, const std::string& reason);

    struct Job {
        std::string title;
        bool completed = false;
    };
    // The newest job of the queue, once it has completed or stopped (waiting up to a minute).
    std::optional<Job> finishedJob(const std::string& queue) const;

private:
    std::string administer(const QString& program, const QStringList& arguments);

    std::filesystem::path directory_;
    std::filesystem::path socket_;
    QProcess scheduler_;
    std::string failure_;
};

} // namespace orupim::catalogue::test
