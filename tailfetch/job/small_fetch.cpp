#include "tailfetch/job/small_fetch.h"

#include "tailfetch/core/connection_route.h"
#include "tailfetch/core/reply_policy.h"
#include "tailfetch/job/completion_job.h"
#include "tailfetch/job/request_route.h"

#include <QTcpSocket>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

namespace tailfetch {

SmallFetch::SmallFetch(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), silence_(new QTimer(this))
{
    silence_->setSingleShot(true);
    silence_->setInterval(options_.silenceMs);
    connect(silence_, &QTimer::timeout, this, [this] { end(false); });
}

SmallFetch::~SmallFetch()
{
    dropConnection();
}

void SmallFetch::get(const QUrl& url)
{
    address_ = WebAddress::fromUrl(url);
    if (!address_) {
        // Reported from the event loop, as every other outcome.
        QTimer::singleShot(0, this, [this] { end(false); });
        return;
    }
    if (!address_->secure && !options_.plainLoginAllowed)
        address_->login.clear();
    connectNow();
}

void SmallFetch::connectNow()
{
    dropConnection();
    route_ = requestRouteFor(*address_);
    socket_ = makeSocket(route_, this);
    connect(socket_, &QTcpSocket::readyRead, this, &SmallFetch::onReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &SmallFetch::onClosed);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A reply framed by the close ends with it.
        if (error == QAbstractSocket::RemoteHostClosedError)
            onClosed();
        else
            end(false);
    });
    connectAlong(socket_, route_, *address_, options_.extraAuthorities, this,
                 [this] { sendRequest(); });
    silence_->start();
}

void SmallFetch::sendRequest()
{
    std::vector<std::pair<std::string, std::string>> fields = commonFields(*address_, route_);
    fields.emplace_back("Connection", "close");
    parser_.emplace(false);
    body_.clear();
    const QByteArray target = requestTarget(*address_, route_);
    const std::string text =
        BuildRequest("GET", target.toStdString(), address_->hostField.toStdString(), fields);
    socket_->write(text.data(), static_cast<qint64>(text.size()));
    silence_->start();
}

void SmallFetch::onReadyRead()
{
    if (ended_ || !socket_ || !parser_)
        return;
    silence_->start();
    const QByteArray bytes = socket_->readAll();
    parser_->feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  [this](std::string_view run) {
                      // Only the body of a 200 is kept; the rest is read past.
                      if (parser_->header().status != 200)
                          return true;
                      if (body_.size() + static_cast<qint64>(run.size()) > options_.limit)
                          return false;
                      body_.append(run.data(), static_cast<qsizetype>(run.size()));
                      return true;
                  });
    settle();
}

void SmallFetch::onClosed()
{
    if (ended_ || !parser_)
        return end(false);
    parser_->closed();
    settle();
}

void SmallFetch::settle()
{
    if (ended_)
        return;
    // A reply that is no HTTP fails before it has a header.
    if (parser_->state() == ReplyParser::State::Failed && !parser_->headerComplete())
        return end(false);
    if (!parser_->headerComplete())
        return;
    const int status = parser_->header().status;
    // A redirect needs its header only.
    if (IsRedirect(status))
        return redirect();
    if (status != 200)
        return end(false);
    switch (parser_->state()) {
    case ReplyParser::State::Header:
    case ReplyParser::State::Body: return;
    case ReplyParser::State::Complete: return end(true);
    case ReplyParser::State::Failed: return end(false);
    }
}

void SmallFetch::redirect()
{
    RedirectTarget next = redirectTarget(*address_, parser_->header());
    RedirectFacts facts = redirectFacts(*address_, next.address);
    facts.plainLoginAllowed = options_.plainLoginAllowed;
    facts.redirectsSoFar = redirects_;
    facts.maxRedirects = options_.maxRedirects;
    const RedirectVerdict verdict = JudgeRedirect(facts);
    if (verdict.kind != RedirectVerdict::Follow)
        return end(false);
    ++redirects_;
    if (verdict.carryLogin)
        next.address->login = address_->login;
    if (verdict.dropLogin)
        next.address->login.clear();
    address_ = std::move(next.address);
    connectNow();
}

void SmallFetch::end(bool ok)
{
    if (ended_)
        return;
    ended_ = true;
    silence_->stop();
    // The socket may be the sender of the signal that brought us here.
    dropConnection();
    emit finished(ok, ok ? body_ : QByteArray());
}

void SmallFetch::dropConnection()
{
    parser_.reset();
    if (!socket_)
        return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

} // namespace tailfetch
