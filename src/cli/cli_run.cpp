// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_run.h"

#include "cli/cli_answer.h"
#include "cli/cli_report.h"
#include "cli/local_time.h"
#include "core/version_text.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace veltrane::cli {
namespace {

// More than any client log needs; a larger file is refused, not read.
constexpr std::streamsize LargestLog = 256 * 1024 * 1024;

Result<std::string, FileError> readWholeFile(const std::string& name)
{
    std::ifstream file;
    std::istream* in = &std::cin;
    if (name != "-") {
        file.open(name, std::ios::binary);
        if (!file)
            return FileError{std::strerror(errno)};
        in = &file;
    }
    std::string text;
    std::array<char, 65536> block{};
    while (*in) {
        in->read(block.data(), block.size());
        text.append(block.data(), static_cast<std::size_t>(in->gcount()));
        if (static_cast<std::streamsize>(text.size()) > LargestLog)
            return FileError{"it is larger than 256 MiB"};
    }
    if (in->bad())
        return FileError{"a read failed"};
    return text;
}

// CLI11's own messages, on one line.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

const char* const Description =
    "Work units of the RC5-72 key search from a key rate: the time of one work unit (2^32 keys), "
    "work units per hour and per day, over a span of days, how long a buffer lasts and when a "
    "target is reached. Exact for key rates from 1 to 10^15 keys/s.";

const char* const Footer =
    "RATE is keys per second as the window takes it (2.296.988), as the client prints it "
    "('[2,296,988 keys/sec]', '2 296 988 keys/s') or with a unit, where \".\" is the decimal "
    "point ('40 Gkeys/s', 5.04M, 1.5G, 2T). Several rates are added up.\n"
    "Dates are dd/mm/yyyy or yyyy-mm-dd, on the real calendar; both days of a span count.\n"
    "Errors: one line on standard error, exit status 2.\n";

// The usage line names the rates, which are not an option of CLI11's.
class RatesUsage : public CLI::Formatter
{
public:
    std::string make_usage(const CLI::App* app, std::string name) const override
    {
        std::string usage = CLI::Formatter::make_usage(app, std::move(name));
        std::size_t end = usage.find('\n');
        return usage.substr(0, end) + " RATE..." + usage.substr(end);
    }
};

} // namespace

int runCli(int argc, char** argv)
{
    CLI::App app(Description, "veltrane-cli");
    app.formatter(std::make_shared<RatesUsage>());
    app.footer(Footer);
    app.set_version_flag("--version", "veltrane-cli " + VersionText());
    app.get_formatter()->column_width(24);

    CliRequest request;
    std::string ratesFrom, times, hours, from, to, done, buffer, last, target;
    // The rates are the arguments left over: CLI11 would split a positional
    // "[2,296,988 keys/sec]" at its commas, as a bracketed list.
    app.allow_extras();
    auto* ratesFromOption =
        app.add_option("--rates-from", ratesFrom,
                       "Take the last key rate in a client log or benchmark output (- reads "
                       "standard input); added to any RATE")
            ->type_name("FILE");
    auto* timesOption =
        app.add_option("--times", times, "Multiply the key rate by N (one cruncher a thread)")
            ->type_name("N");
    auto* hoursOption =
        app.add_option("--hours", hours, "CPU hours a day, above 0 and at most 24 (default 24)")
            ->type_name("H");
    auto* fromOption =
        app.add_option("--from", from, "First day of the span, or where --target counts from")
            ->type_name("DATE");
    auto* toOption = app.add_option("--to", to, "Last day of the span")->type_name("DATE");
    auto* doneOption =
        app.add_option("--done", done, "Work units already done, added to the span and --target")
            ->type_name("N");
    auto* bufferOption =
        app.add_option("--buffer", buffer, "How long a buffer of N work units lasts")
            ->type_name("N");
    auto* lastOption = app.add_option("--last", last, "Work units a buffer needs to last DAYS days")
                           ->type_name("DAYS");
    auto* targetOption =
        app.add_option("--target", target, "Days until the total reaches N work units")
            ->type_name("N");
    app.add_flag("--summary", request.summary,
                 "Print the window's \"2 Line Text\" for these inputs, CR LF between the lines");
    app.add_flag("--ms", request.ms, "With --summary: \"Show time with ms\"");
    app.add_flag("--json", request.json, "Print one JSON object with plain numbers");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        std::cerr << "veltrane-cli: " << oneLine(error.what()) << "; see veltrane-cli --help\n";
        return 2;
    }

    bool afterSeparator = false; // after "--" every argument is a rate
    for (const std::string& argument : app.remaining()) {
        if (argument == "--" && !afterSeparator) {
            afterSeparator = true;
            continue;
        }
        if (!afterSeparator && argument.size() > 1 && argument[0] == '-' &&
            (argument[1] == '-' || std::isalpha(static_cast<unsigned char>(argument[1])))) {
            std::cerr << "veltrane-cli: unknown option '" << argument
                      << "'; see veltrane-cli --help\n";
            return 2;
        }
        request.rates.push_back(argument);
    }

    auto take = [](CLI::Option* option, const std::string& value, std::optional<std::string>& to) {
        if (option->count() > 0)
            to = value;
    };
    take(ratesFromOption, ratesFrom, request.ratesFrom);
    take(timesOption, times, request.times);
    take(hoursOption, hours, request.hours);
    take(fromOption, from, request.from);
    take(toOption, to, request.to);
    take(doneOption, done, request.done);
    take(bufferOption, buffer, request.buffer);
    take(lastOption, last, request.last);
    take(targetOption, target, request.target);

    const auto now =
        std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
    const Moment moment{now, localDate(now), localIsoTime};
    Result<CliAnswer, UsageError> answer = answerFor(request, moment, readWholeFile);
    if (!answer) {
        std::cerr << answer.error().message << "\n";
        return 2;
    }

    std::string output;
    if (answer->json)
        output = jsonReport(*answer);
    else if (answer->summary)
        output = *answer->summary; // as on the clipboard: no line break after the second line
    else
        output = personReport(*answer);
    std::fwrite(output.data(), 1, output.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace veltrane::cli
