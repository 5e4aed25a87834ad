#include "Retransmissor.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

sockaddr_in loopback(uint16_t porta)
{
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_port = htons(porta);
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return endereco;
}

// Each piece goes on as it comes, as a network does: no coalescing of
// small pieces behind an unanswered one (Nagle), which would hold a
// request until the other side's delayed acknowledgement.
void semEspera(int soquete)
{
    const int sim = 1;
    ::setsockopt(soquete, IPPROTO_TCP, TCP_NODELAY, &sim, sizeof sim);
}

struct Par {
    int cliente;
    int servidor;
};

}  // namespace

Retransmissor::Retransmissor(uint16_t portaDoServidor, std::chrono::microseconds atraso)
    : portaDoServidor_(portaDoServidor), atraso_(atraso)
{
    escuta_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco = loopback(0);
    socklen_t tamanho = sizeof endereco;
    if (escuta_ < 0 || ::bind(escuta_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
        ::listen(escuta_, 8) != 0 || ::getsockname(escuta_, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0)
        throw std::runtime_error("cannot listen on a loopback port");
    porta_ = ntohs(endereco.sin_port);
    linha_ = std::thread([this] { roda(); });
}

Retransmissor::~Retransmissor()
{
    parar_ = true;
    linha_.join();
    ::close(escuta_);
}

void Retransmissor::roda()
{
    std::vector<Par> pares;
    const auto fechaTudo = [&pares] {
        for (const Par& par : pares) {
            ::shutdown(par.cliente, SHUT_RDWR);
            ::shutdown(par.servidor, SHUT_RDWR);
            ::close(par.cliente);
            ::close(par.servidor);
        }
        pares.clear();
    };
    char bloco[65536];
    while (!parar_) {
        if (limite_ >= 0 && bytes_ >= limite_) {
            fechaTudo();
            cortado_ = true;
        }
        std::vector<pollfd> vigiados{{escuta_, POLLIN, 0}};
        for (const Par& par : pares) {
            vigiados.push_back({par.cliente, POLLIN, 0});
            vigiados.push_back({par.servidor, POLLIN, 0});
        }
        // The wait is bounded only so that a cut or the end is noticed.
        if (::poll(vigiados.data(), vigiados.size(), 20) <= 0)
            continue;
        if (vigiados[0].revents & POLLIN) {
            const int cliente = ::accept(escuta_, nullptr, nullptr);
            if (cliente >= 0 && cortado_) {
                ::close(cliente);
            } else if (cliente >= 0) {
                const int servidor = ::socket(AF_INET, SOCK_STREAM, 0);
                const sockaddr_in destino = loopback(portaDoServidor_);
                if (::connect(servidor, reinterpret_cast<const sockaddr*>(&destino), sizeof destino) == 0) {
                    semEspera(cliente);
                    semEspera(servidor);
                    pares.push_back({cliente, servidor});
                } else {
                    ::close(servidor);
                    ::close(cliente);
                }
                continue;  // the new pair is watched from the next round
            }
        }
        std::vector<Par> vivos;
        for (size_t i = 0; i < pares.size(); ++i) {
            bool aberto = true;
            for (const bool doCliente : {true, false}) {
                const pollfd& vigiado = vigiados[1 + 2 * i + (doCliente ? 0 : 1)];
                if (!aberto || !(vigiado.revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                const ssize_t lidos = ::read(vigiado.fd, bloco, sizeof bloco);
                const int outro = doCliente ? pares[i].servidor : pares[i].cliente;
                aberto = lidos > 0;
                if (doCliente && aberto) {
                    bytes_ += lidos;
                    if (atraso_.count() > 0)
                        std::this_thread::sleep_for(atraso_);
                }
                for (ssize_t escritos = 0; aberto && escritos < lidos;) {
                    const ssize_t n = ::send(outro, bloco + escritos, lidos - escritos, MSG_NOSIGNAL);
                    aberto = n > 0;
                    escritos += n;
                }
            }
            if (aberto) {
                vivos.push_back(pares[i]);
            } else {
                ::close(pares[i].cliente);
                ::close(pares[i].servidor);
            }
        }
        pares.swap(vivos);
    }
    fechaTudo();
}
