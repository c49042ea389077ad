#include "PackageXml.h"

#include "StringEscapes.h"
#include "files/SheetFileError.h"

PackageXml::PackageXml(ZipArchive &archive, const QString &name, QStringView root)
    : name_(name), device_(archive.open(name)), xml_(device_.get())
{
    if (!nextStartElement() || xml_.name() != root)
        fail(QStringLiteral("it is not a %1 part").arg(root));
}

QXmlStreamReader::TokenType PackageXml::next()
{
    const QXmlStreamReader::TokenType token = xml_.readNext();
    if (device_->failed())
        fail(device_->errorString());
    if (xml_.hasError())
        fail(xml_.errorString());
    // These parts never declare a document type; one that does is not of this format, and
    // entity definitions are where expansion attacks live.
    if (token == QXmlStreamReader::DTD)
        fail(QStringLiteral("it declares a document type"));
    return token;
}

bool PackageXml::nextStartElement()
{
    for (;;) {
        switch (next()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndDocument:
            if (!device_->readToEnd())
                fail(device_->errorString());
            return false;
        default:
            break;
        }
    }
}

bool PackageXml::nextChild()
{
    for (;;) {
        switch (next()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            return false;
        default:
            break;
        }
    }
}

QStringView PackageXml::attribute(QStringView localName) const
{
    for (const QXmlStreamAttribute &attribute : xml_.attributes()) {
        if (attribute.name() == localName)
            return attribute.value();
    }
    return {};
}

QString PackageXml::readText()
{
    QString text;
    for (;;) {
        switch (next()) {
        case QXmlStreamReader::Characters:
            text += xml_.text();
            break;
        case QXmlStreamReader::StartElement:
            fail(QStringLiteral("the text of <%1> holds an element").arg(xml_.name()));
        case QXmlStreamReader::EndElement:
            return text;
        default:
            break;
        }
    }
}

QString PackageXml::readStringItem()
{
    QString text;
    for (int depth = 1; depth > 0;) {
        switch (next()) {
        case QXmlStreamReader::StartElement:
            if (xml_.name() == u"t")
                text += readText();
            else if (xml_.name() == u"rPh")
                skipElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return stringescapes::decode(text);
}

void PackageXml::skipElement()
{
    for (int depth = 1; depth > 0;) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
}

void PackageXml::fail(const QString &why) const
{
    throw SheetFileError(
        QStringLiteral("the workbook's part %1 cannot be read: %2").arg(name_, why).toStdString());
}
