"""An SMTP server on 127.0.0.1 for the e-mail tests.

servidor_smtp.py FOLDER [nenhuma|starttls|ssl]: prints the port it listens
on, then writes each message it accepts as FOLDER/N.json (sender,
recipients, subject, body, attachment files and their content types) with
the attachments beside it. A recipient starting with "recusa@" is refused
with 550. starttls offers STARTTLS, ssl speaks TLS from the first byte, both
with a self-signed certificate for 127.0.0.1 made here, FOLDER/certificado.pem.
Every login is accepted and noted in FOLDER/logins.txt as "cifrada PASSWORD"
or "aberta PASSWORD": AUTH is offered even without encryption, so a client
that would send its password in clear does.
"""
import asyncio
import email
import email.policy
import json
import os
import ssl
import subprocess
import sys

from aiosmtpd.smtp import SMTP, AuthResult

PASTA = sys.argv[1]
MODO = sys.argv[2] if len(sys.argv) > 2 else "nenhuma"


class Guarda:
    recebidas = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("recusa@"):
            return "550 5.1.1 Destinatario recusado: " + address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        numero = Guarda.recebidas
        Guarda.recebidas += 1
        mensagem = email.message_from_bytes(envelope.content, policy=email.policy.default)
        anexos, tipos = [], []
        for parte in mensagem.iter_attachments():
            caminho = os.path.join(PASTA, "%d-%s" % (numero, parte.get_filename()))
            with open(caminho, "wb") as saida:
                saida.write(parte.get_payload(decode=True))
            anexos.append(caminho)
            tipos.append(parte.get_content_type())
        corpo = mensagem.get_body(("plain",))
        dados = {"de": envelope.mail_from, "para": envelope.rcpt_tos, "assunto": str(mensagem["subject"]),
                 "texto": corpo.get_content() if corpo else "", "anexos": anexos, "tipos": tipos}
        with open(os.path.join(PASTA, "%d.tmp" % numero), "w") as saida:
            json.dump(dados, saida, ensure_ascii=False)
        os.rename(os.path.join(PASTA, "%d.tmp" % numero), os.path.join(PASTA, "%d.json" % numero))
        return "250 OK"


def anota_login(server, session, envelope, mechanism, auth_data):
    cifrada = server.transport.get_extra_info("ssl_object") is not None
    with open(os.path.join(PASTA, "logins.txt"), "a") as logins:
        logins.write("%s %s\n" % ("cifrada" if cifrada else "aberta", auth_data.password.decode()))
    return AuthResult(success=True)


def contexto_tls():
    certificado, chave = os.path.join(PASTA, "certificado.pem"), os.path.join(PASTA, "chave.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                    "-keyout", chave, "-out", certificado], check=True, capture_output=True)
    contexto = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    contexto.load_cert_chain(certificado, chave)
    return contexto


async def main():
    tls = contexto_tls() if MODO != "nenhuma" else None
    fabrica = lambda: SMTP(Guarda(), authenticator=anota_login, auth_require_tls=False,
                           tls_context=tls if MODO == "starttls" else None)
    servidor = await asyncio.get_running_loop().create_server(
        fabrica, "127.0.0.1", 0, ssl=tls if MODO == "ssl" else None)
    print(servidor.sockets[0].getsockname()[1], flush=True)
    await servidor.serve_forever()


asyncio.run(main())
