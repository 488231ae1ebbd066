<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, lançado em %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Tradução para português: equipa Orvanta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. Software livre sob a &lt;a href=&quot;licence&quot;&gt;GNU General Public License, versão 3 ou posterior&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refração astronómica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Ativar correção da refração</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Usar a tabela anual de estrelas em vez do céu atual</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>A latitude e a longitude são o seu local de observação (longitude este positiva, oeste negativa). Com o relógio dão as posições atuais das estrelas, onde está o zénite para os valores de altitude e azimute, e quanto o ar eleva as estrelas.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Servidor da câmara</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Distância focal da objetiva</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>não definida</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>a primeira encontrada</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>O computador que executa o indiserver com o controlador da câmara; deixe vazio para usar apenas a câmara simulada.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Servidor da câmara...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>A distância focal da objetiva da câmara não está definida, pelo que as estrelas não podem ser levadas à escala do modelo de estrelas. Defina-a em Dispositivo, Servidor da câmara, e volte a ligar.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>Com uma objetiva de %1 mm esta câmara vê apenas %2 x %3 graus de céu; a estrela polar e a sua estrela de referência precisam de pelo menos %4 graus no lado menor. Use uma objetiva de %5 mm ou menos.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>A consultar %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>O servidor INDI em %1 responde, mas não tem nenhuma câmara. Inicie o indiserver com o controlador da câmara.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>O servidor INDI em %1 responde. Câmaras: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>Nenhum servidor INDI responde em %1. Inicie lá o indiserver ou verifique o servidor e a porta.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>Nenhum servidor definido: só é usada a câmara simulada.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Esta biblioteca de câmara não consegue usar câmaras INDI: só é usada a câmara simulada.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Defina a distância focal da objetiva antes de ligar.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation>Hemisfério</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Definições do Orvanta</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Exp.(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Tráfego</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Confirmar Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajuste do modelo</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rodar</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation>Polo aproximado</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro do eixo</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Escolha sempre a mesma estrela</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. estrela 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. estrela 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. estrela 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Eixo:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct atual</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct esperada</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Polo preciso</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Monitorizar polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Estrela de referência A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Estrela de referência B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Monitorizar</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostrar modelo</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Estilo monocromático</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refração astronómica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Seguimento manual</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Evitar bloqueio</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>français</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>português</source>
        <translation>português</translation>
    </message>
    <message>
        <source>italiano</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Orvanta Manual</source>
        <translation>Manual do Orvanta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>Não é possível guardar a imagem em %1!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>Nenhum equipamento TAVRIN Orvanta encontrado!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>Não é possível ligar o Orvanta devido a um erro de OpenTAVRIN!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>Não é possível ligar o Orvanta devido a um erro de InitTAVRIN!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Parece não haver nenhuma estrela neste ponto; tente outro ponto.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>Não é possível obter o centro do eixo; clique em «Repor» para o voltar a procurar.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>estrelas de referência perdidas</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>A medir a estrela...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>A estrela já estava aqui na seleção anterior. Rode o eixo AR pelo menos cerca de 20 graus entre seleções e depois faça novamente duplo clique na estrela.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>As seleções estão demasiado próximas para encontrar o centro do eixo. Clique em &apos;Repor&apos; e rode o eixo AR pelo menos cerca de 20 graus entre seleções.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Estas seleções não estão num círculo em torno do eixo AR. Clique em &apos;Repor&apos; e faça duplo clique sempre na mesma estrela.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>As seleções abrangem %1 graus de AR; o centro tem uma precisão de %2 px (%3&quot;).</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>É demasiado incerto: clique em &apos;Repor&apos; e rode mais o eixo AR entre seleções.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Uma estrela de referência ficaria demasiado perto da margem da imagem para ser seguida: o centro do eixo está demasiado perto da margem. Rode a câmara na montagem para que o centro do eixo fique mais perto do meio da imagem e volte a encontrá-lo.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Guardado: %1 em %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Guardado: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>As estrelas de referência não foram encontradas onde o modelo as coloca. Faça duplo clique na estrela polar e volte a ajustar o modelo.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>Pretende usar a posição do centro do eixo registada da última vez que usou o Orvanta?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>A configuração terminou?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>O modelo coincide?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Rode o eixo de AR da sua montagem no sentido indicado pela seta no topo do ecrã (pelo menos 30 graus).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>A rotação terminou?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Faça novamente duplo clique na mesma estrela escolhida no passo anterior (passo 2 de 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Rode novamente o eixo de AR da sua montagem no mesmo sentido, pelo menos 30 graus.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>Faça duplo clique uma última vez na mesma estrela escolhida nos 2 passos anteriores (passo 3 de 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Volte a colocar o eixo de AR na posição inicial (Home): verifique que a estrela escolhida permanece no círculo enquanto a montagem roda para a posição de estacionamento (PARK).</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>O centro do eixo está correto?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>O ajuste terminou?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Clique no botão «Monitorizar».</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Use apenas os parafusos de altitude e azimute para colocar o retângulo do polo sobre o círculo do eixo.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Ajuste os parâmetros à esquerda para tornar visíveis mais estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Faça duplo clique na Polaris e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Escolha uma estrela que não seja a Polaris e faça duplo clique nela na imagem. Memorize esta estrela: vai selecioná-la novamente nos passos seguintes (passo 1 de 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posição esperada: Faça duplo clique na Polaris e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>Com os parafusos de altitude e azimute, mova a Polaris para o centro do pequeno círculo rotativo agora mostrado na imagem.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posição atual: Faça duplo clique na Polaris e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Ajuste os parâmetros à esquerda para tornar visíveis mais estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Faça duplo clique em σ Oct e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor de σ Oct. Para a encontrar: o eixo longo do Cruzeiro do Sul, prolongado quatro vezes e meia, termina perto do polo (mapa no manual).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Escolha uma estrela que não seja σ Oct e faça duplo clique nela na imagem. Memorize esta estrela: vai selecioná-la novamente nos passos seguintes (passo 1 de 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posição esperada: Faça duplo clique em σ Oct e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>Com os parafusos de altitude e azimute, mova σ Oct para o centro do pequeno círculo rotativo agora mostrado na imagem.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posição atual: Faça duplo clique em σ Oct e use o cursor «Rodar» à esquerda (ou as teclas de seta) para rodar o modelo até coincidir com as estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Modo noturno</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>O manual não está instalado com o Orvanta.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>A imagem tal como é mostrada</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>A imagem da câmara com marcas</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>A imagem da câmara sem marcas</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>A câmara não pode ser usada: %1.
O Orvanta continua sem câmara.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>À espera da câmara...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>A câmara não responde e continua ocupada; tente Desligar mais tarde.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Alvo: polo verdadeiro</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Alvo: polo refratado</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Erro polar: estrelas de referência não medidas</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>baixar o eixo polar</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>subir o eixo polar</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>rodar para a esquerda (este)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>rodar para a esquerda (oeste)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>rodar para a direita (oeste)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>rodar para a direita (este)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Erro polar: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Altitude: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Azimute: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Seguimento do polo</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Se o polo se perdeu após um movimento GOTO, rode o botão o ângulo de AR do movimento para o voltar a encontrar.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Ângulo:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
