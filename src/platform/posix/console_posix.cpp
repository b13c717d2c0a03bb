// Console and redirected output, and the facts the console set-up asks for.
#include <unistd.h>

#include "platform/posix/locale.h"
#include "platform/posix/output_stream.h"
#include "platform/posix/posix_calls.h"
#include "platform/posix/text_encoding.h"

namespace movra::posix {
namespace {

// Everything output needs, made on first use and kept for the process: the locale does
// not change during a run, and the destructors of the two streams flush them at exit.
struct ProcessOutput {
    OutputStream out{STDOUT_FILENO};
    OutputStream err{STDERR_FILENO};
    LocaleFacts locale = localeFacts(localeVariablesFromEnvironment());
    ByteEncoding localeEncoding = byteEncodingFor(locale.codePage, locale.codeset);
    ByteEncoding utf8Encoding = byteEncodingFor(kCodePageUtf8, {});
    bool stdoutIsTerminal = ::isatty(STDOUT_FILENO) == 1;
};

ProcessOutput& processOutput() {
    static ProcessOutput output;
    return output;
}

// The stream to write to. Whatever the other stream holds goes out first, so that
// the two streams' lines keep their order when both lead to the same file or pipe.
OutputStream& streamFor(StandardStream stream) {
    ProcessOutput& p = processOutput();
    const bool toOutput = stream == StandardStream::Output;
    (toOutput ? p.err : p.out).flush();
    return toOutput ? p.out : p.err;
}

const ByteEncoding& redirectEncoding(std::uint32_t codePage) {
    ProcessOutput& p = processOutput();
    if (codePage == kCodePageUtf8) {
        return p.utf8Encoding;
    }
    // 0 is the system's ANSI code page, which on POSIX is the locale's codeset.
    if (codePage == 0 || codePage == p.locale.codePage) {
        return p.localeEncoding;
    }
    static ByteEncoding other;
    other = byteEncodingFor(codePage, p.locale.codeset);
    return other;
}

}  // namespace

ConsoleFacts queryConsole() {
    const LocaleFacts locale = localeFacts(localeVariablesFromEnvironment());
    ConsoleFacts facts;
    facts.stdoutIsConsole = ::isatty(STDOUT_FILENO) == 1;
    facts.stderrIsConsole = ::isatty(STDERR_FILENO) == 1;
    facts.outputCodePage = locale.codePage;
    facts.uiLanguage = locale.uiLanguage;
    return facts;
}

// A console line goes out at once, as one write: a terminal shows it while the run goes on.
void writeConsole(StandardStream stream, std::u16string_view text) {
    OutputStream& out = streamFor(stream);
    appendEncoded(text, processOutput().localeEncoding, LineEnds::Bare, out.buffer());
    out.flush();
}

void writeRedirected(StandardStream stream, std::u16string_view text, std::uint32_t codePage) {
    OutputStream& out = streamFor(stream);
    appendEncoded(text, redirectEncoding(codePage), LineEnds::CrLf, out.buffer());
    out.commit();
}

void writeNarrowOutput(std::string_view bytes) {
    OutputStream& out = streamFor(StandardStream::Output);
    if (processOutput().stdoutIsTerminal) {
        out.buffer() += bytes;
    } else {
        for (const char c : bytes) {
            out.buffer() += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
        }
    }
    out.flush();
}

void flushOutput() {
    processOutput().out.flush();
    processOutput().err.flush();
}

}  // namespace movra::posix
