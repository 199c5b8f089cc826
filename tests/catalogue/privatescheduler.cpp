#include "privatescheduler.h"

#include <QThread>
#include <chrono>
#include <cups/cups.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace orupim::catalogue::test {
namespace {

constexpr const char* Scheduler = "/usr/sbin/cupsd";
constexpr const char* PdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

bool answers(const std::filesystem::path& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

PrivateScheduler::PrivateScheduler(const std::filesystem::path& directory)
    : directory_(directory), socket_(directory / "cups.sock") {
    if (!std::filesystem::exists(Scheduler)) {
        failure_ = std::string(Scheduler) + " is not installed";
        return;
    }
    namespace fs = std::filesystem;
    for (const char* sub : {"spool/tmp", "cache", "state", "log", "ppd", "out"})
        fs::create_directories(directory_ / sub);
    // Run as root, the scheduler hands jobs to filters under the user lp, which must reach these directories
    // (the directory is made directly in the test case's own).
    if (::geteuid() == 0)
        for (const fs::path& dir : {directory_.parent_path(), directory_})
            fs::permissions(dir, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    fs::permissions(directory_ / "out", fs::perms::all);
    const std::string root = directory_.string();
    std::ofstream(directory_ / "cups-files.conf")
        << "ServerRoot " << root << "\nRequestRoot " << root << "/spool\nTempDir " << root
        << "/spool/tmp\nCacheDir " << root << "/cache\nStateDir " << root << "/state\nAccessLog " << root
        << "/log/access_log\nErrorLog " << root << "/log/error_log\nPageLog " << root
        << "/log/page_log\nFileDevice Yes\n";
    std::ofstream(directory_ / "cupsd.conf") << "Listen " << socket_.string()
                                             << "\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                                                "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                                "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                                                "</Policy>\n";
    scheduler_.setProcessChannelMode(QProcess::MergedChannels);
    scheduler_.start(Scheduler, {"-f", "-c", QString::fromStdString((directory_ / "cupsd.conf").string()),
                                 "-s", QString::fromStdString((directory_ / "cups-files.conf").string())});
    if (!scheduler_.waitForStarted(10000)) {
        failure_ = "cupsd does not start: " + scheduler_.errorString().toStdString();
        return;
    }
    for (int tries = 0; tries < 300 && !answers(socket_); ++tries) {
        if (scheduler_.waitForFinished(100)) {
            failure_ = "cupsd ended at once: " + scheduler_.readAll().toStdString() +
                       fileText(directory_ / "log/error_log");
            return;
        }
    }
    if (!answers(socket_)) {
        failure_ = "cupsd does not listen on " + socket_.string();
        return;
    }
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    cupsSetServer(socket_.c_str());
}

PrivateScheduler::~PrivateScheduler() {
    if (scheduler_.state() != QProcess::NotRunning) {
        scheduler_.terminate();
        if (!scheduler_.waitForFinished(30000)) {
            scheduler_.kill();
            scheduler_.waitForFinished(10000);
        }
    }
    cupsSetServer(nullptr);
    unsetenv("CUPS_SERVER");
}

std::string PrivateScheduler::administer(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, QStringList{"-h", QString::fromStdString(socket_.string())} + arguments);
    if (!tool.waitForFinished(60000))
        return program.toStdString() + " did not finish";
    if (tool.exitCode() != 0)
        return tool.readAll().toStdString();
    return {};
}

std::string PrivateScheduler::addPdfQueue(const std::string& name, const std::filesystem::path& output) {
    return administer("/usr/sbin/lpadmin",
                      {"-p", QString::fromStdString(name), "-E", "-v",
                       QString::fromStdString("file://" + output.string()), "-P", PdfDriver});
}

std::string PrivateScheduler::makeDefault(const std::string& name) {
    return administer("/usr/sbin/lpadmin", {"-d", QString::fromStdString(name)});
}

std::string PrivateScheduler::rejectJobs(const std::string& name) {
    return administer("/usr/sbin/cupsreject", {QString::fromStdString(name)});
}

std::string PrivateScheduler::stopPrinter(const std::string& name, const std::string& reason) {
    return administer("/usr/sbin/cupsdisable",
                      {"-r", QString::fromStdString(reason), QString::fromStdString(name)});
}

std::optional<PrivateScheduler::Job> PrivateScheduler::finishedJob(const std::string& queue) const {
    for (int tries = 0; tries < 600; ++tries) {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        std::optional<Job> newest;
        int newestId = 0;
        for (int i = 0; i < count; ++i)
            if (jobs[i].id > newestId && jobs[i].state >= IPP_JSTATE_STOPPED) {
                newestId = jobs[i].id;
                newest = Job{jobs[i].title ? jobs[i].title : "", jobs[i].state == IPP_JSTATE_COMPLETED};
            }
        cupsFreeJobs(count, jobs);
        if (newest)
            return newest;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

} // namespace orupim::catalogue::test
