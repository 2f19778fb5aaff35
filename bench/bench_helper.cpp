// The benchmark's other party, in one of two roles:
//   torvanel_bench_helper listen           a screen reader's side of AT-SPI: turns the
//       accessibility bus on, registers a text-change listener and prints one line per
//       text change: "text-changed DETAIL LENGTH MS TEXT" (MS on the monotonic clock,
//       TEXT the changed text's first 200 characters on one line, in UTF-8)
//   torvanel_bench_helper clipboard COUNT  owns the clipboard, holding COUNT digits
// Each prints "ready" once it is in place, then runs until it is terminated.
#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>

#include <cstdio>
#include <ctime>

namespace {

double monotonic_ms()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class TextChangeListener : public QObject {
    Q_OBJECT

public slots:
    void text_changed(const QDBusMessage& message)
    {
        const QList<QVariant> arguments = message.arguments();
        const QString detail = arguments.value(0).toString();
        const int length = arguments.value(2).toInt();
        // Bounded: a toolkit may send a whole long text.
        QString text = qvariant_cast<QDBusVariant>(arguments.value(3)).variant().toString().left(200);
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::printf("text-changed %s %d %.3f %s\n", qPrintable(detail), length, monotonic_ms(),
                    text.toUtf8().constData());
        std::fflush(stdout);
    }
};

int listen(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QDBusConnection session = QDBusConnection::sessionBus();
    QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                          QStringLiteral("org.a11y.Status"), session);
    // What a screen reader sets when it starts; toolkits turn their bridges on.
    status.setProperty("ScreenReaderEnabled", true);
    status.setProperty("IsEnabled", true);
    QDBusInterface bus(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
                       session);
    const QDBusReply<QString> address = bus.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fprintf(stderr, "no accessibility bus: %s\n", qPrintable(address.error().message()));
        return 1;
    }
    QDBusConnection a11y = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    TextChangeListener listener;
    if (!a11y.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                      QStringLiteral("TextChanged"), &listener, SLOT(text_changed(QDBusMessage)))) {
        std::fprintf(stderr, "cannot listen on the accessibility bus\n");
        return 1;
    }
    QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
                            QStringLiteral("org.a11y.atspi.Registry"), a11y);
    const QDBusMessage registered =
        registry.call(QStringLiteral("RegisterEvent"), QStringLiteral("object:text-changed"), QStringList(), QString());
    if (registered.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "cannot register the listener: %s\n", qPrintable(registered.errorMessage()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

int own_clipboard(int argc, char* argv[], qsizetype count)
{
    QGuiApplication application(argc, argv);
    QGuiApplication::clipboard()->setText(QString(count, QLatin1Char('7')));
    std::printf("ready\n");
    std::fflush(stdout);
    return QGuiApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray role = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (role == "listen") {
        return listen(argc, argv);
    }
    if (role == "clipboard" && argc > 2) {
        return own_clipboard(argc, argv, QByteArray(argv[2]).toLongLong());
    }
    std::fprintf(stderr, "usage: %s listen | clipboard COUNT\n", argv[0]);
    return 2;
}

#include "bench_helper.moc"
