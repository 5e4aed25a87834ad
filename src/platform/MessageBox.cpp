#include "MessageBox.h"

#include <cstdio>

namespace {

std::shared_ptr<CaixaDeMensagem>& caixaAtual()
{
    static std::shared_ptr<CaixaDeMensagem> caixa = std::make_shared<CaixaTerminal>();
    return caixa;
}

}  // namespace

QString TituloPrograma()
{
    return QStringLiteral("Pantoro");
}

void MsgBox(const QString& prompt, IconeMensagem icone, const QString& titulo)
{
    caixaAtual()->Mostrar(Mensagem{prompt, icone, titulo});
}

std::shared_ptr<CaixaDeMensagem> InstalaCaixaDeMensagem(std::shared_ptr<CaixaDeMensagem> caixa)
{
    std::swap(caixaAtual(), caixa);
    return caixa;
}

QString TextoExibido(const QString& prompt)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void CaixaTerminal::Mostrar(const Mensagem& mensagem)
{
    const QString text = mensagem.titulo + QStringLiteral(": ") + TextoExibido(mensagem.prompt) + u'\n';
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
