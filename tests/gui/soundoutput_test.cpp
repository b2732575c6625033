// Real playback: a private PulseAudio server with a null sink stands in for
// the sound card, and its own control tool shows what streams reach it.
// Skips when no PulseAudio server can be started here.
#include "sound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const QString SinkName = QStringLiteral("tressalo_null");

struct TSinkInput {
    QString Index;
    QString SampleFormat; // e.g. "s16le 1ch 22050Hz"
};

// Runs the control tool against the private server; nothing if it fails.
std::optional<QString> Pactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(pactl.readAllStandardOutput());
}

std::vector<TSinkInput> SinkInputs() {
    std::vector<TSinkInput> inputs;
    const auto listing = Pactl({"list", "short", "sink-inputs"});
    if (!listing)
        return inputs;
    for (const QString& line : listing->split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() >= 5)
            inputs.push_back({fields[0], fields[4]});
    }
    return inputs;
}

QString SinkState() {
    const auto listing = Pactl({"list", "short", "sinks"});
    if (listing)
        for (const QString& line : listing->split('\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split('\t');
            if (fields.size() >= 5 && fields[1] == SinkName)
                return fields.last();
        }
    return {};
}

// Polls until `done` holds or `ms` pass; tells whether it held.
bool WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QThread::msleep(10);
    }
    return true;
}

class SoundOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            return;
        folder = std::make_unique<QTemporaryDir>();
        const QString socket = folder->filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder->path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder->path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder->filePath("config"));
        server = std::make_unique<QProcess>();
        server->setProcessEnvironment(environment);
        server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server->start(program,
                      {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                       "--realtime=no", "--high-priority=no", "--log-level=error",
                       "--log-target=stderr", "--load=module-null-sink sink_name=" + SinkName,
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        // Everything this program plays goes to the private server.
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        if (!server->waitForStarted(5000) ||
            !WaitUntil([] { return Pactl({"info"}).has_value(); }, 10000)) {
            TearDownTestSuite();
            return;
        }
        ready = true;
    }

    static void TearDownTestSuite() {
        if (server) {
            server->terminate();
            if (!server->waitForFinished(5000))
                server->kill();
            server->waitForFinished(5000);
        }
        server.reset();
        folder.reset();
    }

    void SetUp() override {
        if (!ready)
            GTEST_SKIP() << "no PulseAudio server could be started here";
        SoundEnableMask = 33109;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<QProcess> server;
    static inline bool ready = false;
};

TEST_F(SoundOutput, ClipPlaysOnTheOutputAndEnds) {
    PlayCashInSound();
    std::vector<TSinkInput> inputs;
    ASSERT_TRUE(WaitUntil(
        [&] {
            inputs = SinkInputs();
            return !inputs.empty();
        },
        5000))
        << "no stream reached the server";
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_TRUE(inputs[0].SampleFormat.endsWith(QLatin1String("1ch 22050Hz")))
        << inputs[0].SampleFormat.toStdString();
    EXPECT_EQ(SinkState(), QStringLiteral("RUNNING"));
    // Once the clip has been heard the stream closes.
    EXPECT_TRUE(WaitUntil([] { return SinkInputs().empty(); }, 5000));
}

TEST_F(SoundOutput, NewClipCutsTheOneStillPlaying) {
    PlayCashInSound(); // 478 ms
    std::vector<TSinkInput> inputs;
    ASSERT_TRUE(WaitUntil(
        [&] {
            inputs = SinkInputs();
            return !inputs.empty();
        },
        5000));
    const QString cashIn = inputs.front().Index;
    PlayCardUpSound(); // 57 ms, at a rate of its own
    size_t most = 0;
    bool replaced = false;
    WaitUntil(
        [&] {
            inputs = SinkInputs();
            most = std::max(most, inputs.size());
            replaced = inputs.size() == 1 && inputs[0].Index != cashIn &&
                       inputs[0].SampleFormat.endsWith(QLatin1String("1ch 11025Hz"));
            return replaced;
        },
        5000);
    EXPECT_TRUE(replaced) << "the card-up stream never took the cash-in stream's place";
    EXPECT_LE(most, 1u) << "two clips played at once";
    EXPECT_TRUE(WaitUntil([] { return SinkInputs().empty(); }, 5000));
}

} // namespace
