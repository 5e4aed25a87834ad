#pragma once

#include <QString>
#include <QVector>
#include <memory>

// Every message of the program is an OK box; only the icon and title vary.
enum class IconeMensagem { Nenhum, Critico, Exclamacao, Informacao };

struct Mensagem {
    QString prompt;  // lines joined by "\r" (or "\r\n"), as the program writes them
    IconeMensagem icone = IconeMensagem::Nenhum;
    QString titulo;
};

class CaixaDeMensagem {
public:
    virtual ~CaixaDeMensagem() = default;
    virtual void Mostrar(const Mensagem& mensagem) = 0;
};

// The program's name, the title of boxes that give none.
QString TituloPrograma();

void MsgBox(const QString& prompt, IconeMensagem icone = IconeMensagem::Nenhum,
            const QString& titulo = TituloPrograma());
// The box in use; returns the previous one.
std::shared_ptr<CaixaDeMensagem> InstalaCaixaDeMensagem(std::shared_ptr<CaixaDeMensagem> caixa);

// Headless runs: "title: prompt" on stderr.
class CaixaTerminal : public CaixaDeMensagem {
public:
    void Mostrar(const Mensagem& mensagem) override;
};

// Tests: keeps every message shown.
class CaixaGravadora : public CaixaDeMensagem {
public:
    void Mostrar(const Mensagem& mensagem) override { mensagens.append(mensagem); }
    QVector<Mensagem> mensagens;
};

// The prompt as one display text: a lone "\r" becomes a line break.
QString TextoExibido(const QString& prompt);
