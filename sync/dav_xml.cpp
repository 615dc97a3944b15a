#include "sync/dav_xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <memory>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

// "HTTP/1.1 200 OK" gives 200; 0 when the text holds no status.
int statusOf(const QString &line)
{
    const QList<QString> words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.size() >= 2 ? words[1].toInt() : 0;
}

// The text of the element just started; the reader then stands on its end.
QString textOf(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

// Reads one <propstat> into `response`: its status stands for the properties
// it holds, wherever in it they and the status come.
void readPropstat(QXmlStreamReader &xml, DavResponse &response)
{
    DavResponse found;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const bool dav = xml.namespaceUri() == kDav, caldav = xml.namespaceUri() == kCalDav;
        const auto name = xml.name();
        if (dav && name == QLatin1String("status"))
            found.status = statusOf(textOf(xml));
        else if (dav && name == QLatin1String("getetag"))
            found.etag = textOf(xml).trimmed().toUtf8();
        else if (caldav && name == QLatin1String("calendar-data"))
            found.calendarData = textOf(xml).toUtf8();
        else {
            found.isCalendar = found.isCalendar || (caldav && name == QLatin1String("calendar"));
            ++depth; // its end comes as a token of its own
        }
    }
    if (found.status / 100 != 2)
        return;
    response.status = found.status;
    response.isCalendar = response.isCalendar || found.isCalendar;
    if (!found.etag.isEmpty())
        response.etag = found.etag;
    if (!found.calendarData.isEmpty())
        response.calendarData = found.calendarData;
}

DavResponse readResponse(QXmlStreamReader &xml)
{
    DavResponse response;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (xml.namespaceUri() != kDav)
            xml.skipCurrentElement();
        else if (name == QLatin1String("href"))
            response.href = textOf(xml).trimmed();
        else if (name == QLatin1String("status"))
            response.status = statusOf(textOf(xml));
        else if (name == QLatin1String("propstat"))
            readPropstat(xml, response);
        else
            xml.skipCurrentElement();
    }
    return response;
}

void writeProps(QXmlStreamWriter &xml, bool calendarData)
{
    xml.writeStartElement(kDav, QStringLiteral("prop"));
    xml.writeEmptyElement(kDav, QStringLiteral("resourcetype"));
    xml.writeEmptyElement(kDav, QStringLiteral("getetag"));
    if (calendarData)
        xml.writeEmptyElement(kCalDav, QStringLiteral("calendar-data"));
    xml.writeEndElement();
}

QXmlStreamWriter *startDocument(QByteArray &body)
{
    auto *xml = new QXmlStreamWriter(&body);
    xml->writeStartDocument();
    xml->writeNamespace(kDav, QStringLiteral("D"));
    xml->writeNamespace(kCalDav, QStringLiteral("C"));
    return xml;
}

} // namespace

bool ParseMultistatus(const QByteArray &body, QList<DavResponse> &responses)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || xml.namespaceUri() != kDav ||
        xml.name() != QLatin1String("multistatus"))
        return false;
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("response"))
            responses.append(readResponse(xml));
        else
            xml.skipCurrentElement();
    }
    return !xml.hasError();
}

QByteArray PropfindBody()
{
    QByteArray body;
    std::unique_ptr<QXmlStreamWriter> xml(startDocument(body));
    xml->writeStartElement(kDav, QStringLiteral("propfind"));
    writeProps(*xml, false);
    xml->writeEndDocument();
    return body;
}

QByteArray MkcalendarBody(const QString &displayName)
{
    QByteArray body;
    std::unique_ptr<QXmlStreamWriter> xml(startDocument(body));
    xml->writeStartElement(kCalDav, QStringLiteral("mkcalendar"));
    xml->writeStartElement(kDav, QStringLiteral("set"));
    xml->writeStartElement(kDav, QStringLiteral("prop"));
    xml->writeTextElement(kDav, QStringLiteral("displayname"), displayName);
    xml->writeStartElement(kCalDav, QStringLiteral("supported-calendar-component-set"));
    xml->writeEmptyElement(kCalDav, QStringLiteral("comp"));
    xml->writeAttribute(QStringLiteral("name"), QStringLiteral("VEVENT"));
    xml->writeEndDocument();
    return body;
}

QByteArray MultigetBody(const QList<QString> &hrefs)
{
    QByteArray body;
    std::unique_ptr<QXmlStreamWriter> xml(startDocument(body));
    xml->writeStartElement(kCalDav, QStringLiteral("calendar-multiget"));
    writeProps(*xml, true);
    for (const QString &href : hrefs)
        xml->writeTextElement(kDav, QStringLiteral("href"), href);
    xml->writeEndDocument();
    return body;
}
