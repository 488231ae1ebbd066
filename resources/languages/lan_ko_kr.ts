<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, 출시일 %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>한국어 번역: Orvanta 팀.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. &lt;a href=&quot;licence&quot;&gt;GNU 일반 공중 사용 허가서 버전 3 이상&lt;/a&gt;(GPL-3.0-or-later)에 따른 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>라이선스</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>대기차</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
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
        <translation>대기차 보정 사용</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>현재 하늘 대신 연도별 별 표 사용</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>위도와 경도는 관측 장소입니다(경도는 동쪽이 양수, 서쪽이 음수). 시계와 함께 현재 별의 위치, 고도와 방위 값에 쓰는 천정의 방향, 대기가 별을 들어 올리는 양을 구합니다.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>카메라 서버</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 서버</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>렌즈 초점 거리</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>설정 안 됨</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>처음 찾은 카메라</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>카메라 드라이버와 함께 indiserver를 실행하는 컴퓨터입니다. 비워 두면 시뮬레이션 카메라만 사용합니다.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>카메라 서버...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>카메라 렌즈의 초점 거리가 설정되지 않아 별을 템플릿의 축척에 맞출 수 없습니다. 장치, 카메라 서버에서 설정한 뒤 다시 연결하세요.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>%1 mm 렌즈로는 이 카메라가 하늘을 %2 x %3도만 볼 수 있습니다. 극성과 기준 별에는 짧은 변으로 최소 %4도가 필요합니다. %5 mm 이하의 렌즈를 사용하세요.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>%1에 문의하는 중...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>%1의 INDI 서버가 응답하지만 카메라가 없습니다. 카메라 드라이버와 함께 indiserver를 시작하세요.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>%1의 INDI 서버가 응답합니다. 카메라: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>%1에서 응답하는 INDI 서버가 없습니다. 그곳에서 indiserver를 시작하거나 서버와 포트를 확인하세요.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>서버가 설정되지 않았습니다. 시뮬레이션 카메라만 사용합니다.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>이 카메라 라이브러리는 INDI 카메라를 사용할 수 없습니다. 시뮬레이션 카메라만 사용합니다.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>연결하기 전에 렌즈 초점 거리를 설정하세요.</translation>
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
        <translation>반구 선택</translation>
    </message>
    <message>
        <source>North</source>
        <translation>북반구</translation>
    </message>
    <message>
        <source>South</source>
        <translation>남반구</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Orvanta 설정</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>노출(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>게인</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>트래픽</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>북극성/σ Oct 확인</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>템플릿 맞추기</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
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
        <translation>대략적인 극</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>축 중심</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>매번 같은 별을 선택하세요</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>별 위치 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>별 위치 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>별 위치 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>축:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>현재 북극성/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>예상 북극성/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>정밀 극</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>극:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>극 모니터링</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>기준별 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>위치:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>기준별 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>모니터링 시작</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>템플릿 표시</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>흑백 스타일</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>스트레칭</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>대기차</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>수동 추적</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>멈춤 방지</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>즐겨찾기</translation>
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
        <translation>Orvanta 설명서</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>이미지를 %1에 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>TAVRIN Orvanta 장비를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>OpenTAVRIN 오류로 Orvanta에 연결할 수 없습니다!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>InitTAVRIN 오류로 Orvanta에 연결할 수 없습니다!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>이 위치에는 별이 없는 것 같습니다. 다른 위치를 시도하세요.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>축 중심을 구할 수 없습니다. &apos;재설정&apos;을 눌러 다시 찾으세요.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>기준 별을 놓쳤습니다</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>별을 측정하는 중...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>지난번 선택 때와 같은 위치입니다. 선택 사이에 적경축을 최소 약 20도 돌린 다음 별을 다시 더블 클릭하세요.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>선택한 위치가 너무 가까워 축 중심을 구할 수 없습니다. &apos;재설정&apos;을 클릭하고 선택 사이에 적경축을 최소 약 20도 돌리세요.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>선택한 위치가 적경축을 중심으로 한 원 위에 있지 않습니다. &apos;재설정&apos;을 클릭하고 매번 같은 별을 더블 클릭하세요.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>선택 범위는 적경 %1도이며 중심 정확도는 %2 px (%3&quot;)입니다.</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>너무 불확실합니다. &apos;재설정&apos;을 클릭하고 선택 사이에 적경축을 더 많이 돌리세요.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>기준 별이 이미지 가장자리에 너무 가까워 추적할 수 없습니다. 축 중심이 가장자리에 너무 가깝습니다. 축 중심이 이미지 가운데에 더 가깝도록 가대 위의 카메라를 돌린 다음 다시 구하세요.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>기록됨: %1 (%2).</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>기록됨: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>템플릿이 가리키는 위치에서 기준 별을 찾지 못했습니다. 극성을 더블 클릭하고 템플릿을 다시 맞추세요.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>질문</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>지난번 Orvanta 사용 시 기록된 &apos;축 중심 위치&apos;를 사용하시겠습니까?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>설정이 끝났습니까?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>템플릿이 일치합니까?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>성공</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>화면 위쪽의 화살표 방향으로 마운트의 적경(RA) 축을 회전하세요(최소 30도).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>회전이 끝났습니까?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>이전 단계에서 선택한 같은 별을 다시 더블클릭하세요(3단계 중 2단계).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>마운트의 적경(RA) 축을 같은 방향으로 다시 최소 30도 회전하세요.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>이전 2단계에서 선택한 같은 별을 마지막으로 한 번 더 더블클릭하세요(3단계 중 3단계).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>적경(RA) 축을 홈 위치로 되돌리세요. 마운트가 파크(PARK) 위치로 회전하는 동안 선택한 별이 원 위에 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>축 중심이 맞습니까?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>맞음</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>조정이 끝났습니까?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>&apos;모니터링 시작&apos; 버튼을 클릭하세요.</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>고도 및 방위각 조절 볼트만 사용하여 극 사각형을 축 원 위로 옮기세요.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>왼쪽의 매개변수를 조정하여 북극성 주변의 별이 더 많이 보이게 하세요.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>북극성을 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 북극성 주변의 별과 맞추세요.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>북극성이 아닌 다른 별을 골라 이미지에서 더블클릭하세요. 이 별을 기억하세요. 다음 단계에서 다시 선택하게 됩니다(3단계 중 1단계).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>예상 위치: 북극성을 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 북극성 주변의 별과 맞추세요.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>고도 및 방위각 조절 볼트로 북극성을 이미지에 표시된 작은 회전 원의 중심으로 옮기세요.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>현재 위치: 북극성을 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 북극성 주변의 별과 맞추세요.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>왼쪽의 매개변수를 조정하여 σ Oct 주변의 별이 더 많이 보이게 하세요.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>σ Oct를 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 σ Oct 주변의 별과 맞추세요. 찾는 법: 남십자자리의 긴 축을 4.5배 연장하면 천구의 남극 근처에 닿습니다(설명서의 성도 참조).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>σ Oct가 아닌 다른 별을 골라 이미지에서 더블클릭하세요. 이 별을 기억하세요. 다음 단계에서 다시 선택하게 됩니다(3단계 중 1단계).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>예상 위치: σ Oct를 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 σ Oct 주변의 별과 맞추세요.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>고도 및 방위각 조절 볼트로 σ Oct를 이미지에 표시된 작은 회전 원의 중심으로 옮기세요.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>현재 위치: σ Oct를 더블클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더(또는 화살표 키)로 템플릿을 돌려 σ Oct 주변의 별과 맞추세요.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>야간 모드</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>설명서가 Orvanta와 함께 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>화면에 보이는 그림</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>표시가 있는 카메라 전체 화면</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>표시가 없는 카메라 전체 화면</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>카메라를 사용할 수 없습니다: %1.
Orvanta는 카메라 없이 계속 실행됩니다.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>카메라를 기다리는 중...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>카메라가 응답하지 않아 사용 중 상태로 남습니다. 나중에 다시 연결 해제를 시도하십시오.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>목표: 실제 천극</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>목표: 대기차가 포함된 극</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>극축 오차: 기준 별이 측정되지 않음</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>극축을 내리기</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>극축을 올리기</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>왼쪽으로 돌리기(동쪽)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>왼쪽으로 돌리기(서쪽)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>오른쪽으로 돌리기(서쪽)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>오른쪽으로 돌리기(동쪽)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>극축 오차: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>고도: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>방위: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>극 추적</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>GOTO 이동 후 극을 잃었다면, 이동한 적경 각도만큼 다이얼을 돌려 다시 찾으세요.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>각도:</translation>
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
        <translation>재설정</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
