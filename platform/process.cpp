#include "platform/process.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& arguments()
{
    static std::vector<std::string> args;
    return args;
}

} // namespace

void recordcommandline(int argc, const char* const* argv)
{
    arguments().clear();
    for (int k = 0; argv != nullptr && k < argc; ++k)
        arguments().emplace_back(argv[k] != nullptr ? argv[k] : "");
}

std::string modulefilename()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.string();
    if (arguments().empty())
        return {};
    const fs::path first = fs::absolute(arguments().front(), ec);
    return ec ? arguments().front() : first.string();
}

std::string commandargs()
{
    std::string line;
    for (std::size_t k = 1; k < arguments().size(); ++k) {
        if (k > 1)
            line += ' ';
        line += arguments()[k];
    }
    return line;
}

bool startdetached(const std::string& program, const std::string& argument)
{
    QStringList args;
    if (!argument.empty())
        args << QString::fromLocal8Bit(argument.c_str());
    return QProcess::startDetached(QString::fromLocal8Bit(program.c_str()), args);
}

bool fileexists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec) && !ec;
}

bool copyfile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    if (from.empty() || to.empty() || !fs::is_regular_file(from, ec))
        return false;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool renamefile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    if (from.empty() || to.empty() || !fs::exists(fs::symlink_status(from, ec)))
        return false;
    fs::rename(from, to, ec);
    return !ec;
}

bool syncfile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool deletefile(const std::string& path)
{
    std::error_code ec;
    if (path.empty())
        return false;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status) || fs::is_directory(status))
        return false;
    return fs::remove(path, ec) && !ec;
}

bool samefilecontents(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (!fs::is_regular_file(a, ec) || !fs::is_regular_file(b, ec))
        return false;
    const auto size = fs::file_size(a, ec);
    if (ec || fs::file_size(b, ec) != size || ec)
        return false;
    std::ifstream fa(a, std::ios::binary);
    std::ifstream fb(b, std::ios::binary);
    if (!fa.is_open() || !fb.is_open())
        return false;
    std::vector<char> bufa(65536);
    std::vector<char> bufb(65536);
    while (fa && fb) {
        fa.read(bufa.data(), static_cast<std::streamsize>(bufa.size()));
        fb.read(bufb.data(), static_cast<std::streamsize>(bufb.size()));
        if (fa.gcount() != fb.gcount() || !std::equal(bufa.begin(), bufa.begin() + fa.gcount(), bufb.begin()))
            return false;
    }
    return !fa.bad() && !fb.bad();
}
